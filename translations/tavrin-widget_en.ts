<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ClockTime</name>
    <message>
        <source>明天</source>
        <translation>tomorrow</translation>
    </message>
    <message>
        <source>明天 %1</source>
        <translation>tomorrow at %1</translation>
    </message>
    <message>
        <source>%1月%2日 %3</source>
        <translation>%1/%2 at %3</translation>
    </message>
</context>
<context>
    <name>ReminderState</name>
    <message numerus="yes">
        <source>休息中，还剩 %n 分钟</source>
        <translation>
            <numerusform>On a break, %n minute left</numerusform>
            <numerusform>On a break, %n minutes left</numerusform>
        </translation>
    </message>
    <message>
        <source>会议/观影模式，暂停计时和提醒</source>
        <translation>Meeting mode: timer and reminders paused</translation>
    </message>
    <message>
        <source>停手后开始休息</source>
        <translation>Break at next pause</translation>
    </message>
    <message>
        <source>提醒已暂停，至%1</source>
        <translation>Reminders paused until %1</translation>
    </message>
    <message>
        <source>提醒已暂停，至 %1</source>
        <translation>Reminders paused until %1</translation>
    </message>
    <message>
        <source>通话中，休息已推迟</source>
        <translation>On a call, break delayed</translation>
    </message>
    <message>
        <source>全屏应用中，休息已推迟</source>
        <translation>Full-screen app, break delayed</translation>
    </message>
    <message>
        <source>已推迟，%1 再提醒</source>
        <translation>Postponed until %1</translation>
    </message>
    <message numerus="yes">
        <source>距离休息 %n 分钟</source>
        <translation>
            <numerusform>Break in %n minute</numerusform>
            <numerusform>Break in %n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>休息中，还剩</source>
        <translation>Break ends in</translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>会议/观影模式</source>
        <translation>Meeting mode</translation>
    </message>
    <message>
        <source>暂停计时</source>
        <translation>Timer paused</translation>
    </message>
    <message>
        <source>最迟 %1</source>
        <translation>By %1</translation>
    </message>
    <message>
        <source>提醒暂停至</source>
        <translation>Paused until</translation>
    </message>
    <message>
        <source>通话中</source>
        <translation>On a call</translation>
    </message>
    <message>
        <source>休息已推迟</source>
        <translation>Break delayed</translation>
    </message>
    <message>
        <source>全屏应用中</source>
        <translation>Full-screen app</translation>
    </message>
    <message>
        <source>已推迟，再提醒于</source>
        <translation>Postponed until</translation>
    </message>
    <message>
        <source>距离下次休息</source>
        <translation>Next break in</translation>
    </message>
    <message>
        <source>休息中</source>
        <translation>On a break</translation>
    </message>
    <message>
        <source>停手后休息</source>
        <translation>At next pause</translation>
    </message>
    <message>
        <source>提醒已暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>已推迟</source>
        <translation>Postponed</translation>
    </message>
    <message numerus="yes">
        <source>微休息 %n 分钟后</source>
        <translation>
            <numerusform>Micro-pause in %n minute</numerusform>
            <numerusform>Micro-pause in %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StatusViewLogic</name>
    <message>
        <source>未在统计</source>
        <translation>Not tracking</translation>
    </message>
    <message>
        <source>休息中</source>
        <translation>Resting</translation>
    </message>
    <message>
        <source>空闲中</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>疲劳已满</source>
        <translation>Fatigue full</translation>
    </message>
    <message>
        <source>疲劳上升中</source>
        <translation>Fatigue rising</translation>
    </message>
    <message>
        <source>%1 分 %2 秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>打开 Tavrin 应用后
这里会显示实时数据</source>
        <translation>Open the Tavrin app
to see live data here</translation>
    </message>
    <message>
        <source>今日已工作</source>
        <translation>Worked today</translation>
    </message>
    <message>
        <source>疲劳值</source>
        <translation>Fatigue</translation>
    </message>
    <message>
        <source>工作时长设定</source>
        <translation>Work length</translation>
    </message>
    <message>
        <source>休息时长设定</source>
        <translation>Break length</translation>
    </message>
</context>
<context>
    <name>StatusWidgetWindow</name>
    <message>
        <source>退出小组件</source>
        <translation>Quit widget</translation>
    </message>
</context>
<context>
    <name>SystemLog</name>
    <message>
        <source>Tavrin: 写入小组件快照失败 </source>
        <translation>Tavrin: writing the widget snapshot failed </translation>
    </message>
</context>
<context>
    <name>WidgetConfiguration</name>
    <message>
        <source>当前工作状态</source>
        <translation>Work status</translation>
    </message>
    <message>
        <source>疲劳值、今日工作时长与下次休息倒计时。</source>
        <translation>Fatigue, time worked today and the countdown to your next break.</translation>
    </message>
    <message>
        <source>大尺寸</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>中尺寸</source>
        <translation>Medium</translation>
    </message>
</context>
<context>
    <name>WidgetSnapshot</name>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 小时 %2 分</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>显示小组件库中的预览（尚无数据时显示示例）。</source>
        <translation>Show the preview used in the widget gallery (with sample data if there is none yet).</translation>
    </message>
    <message>
        <source>%1 不是普通文件，大小和位置只在本次运行中保留</source>
        <translation>%1 is not a regular file; size and position are kept for this run only</translation>
    </message>
</context>
</TS>
