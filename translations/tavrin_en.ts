<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>BackgroundImport</name>
    <message>
        <source>这不是一个普通的图片文件。</source>
        <translation>This is not a regular image file.</translation>
    </message>
    <message>
        <source>图片超过 %1 MB，请选择小一些的图片。</source>
        <translation>The image is larger than %1 MB. Please choose a smaller one.</translation>
    </message>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
</context>
<context>
    <name>BannerTexts</name>
    <message>
        <source>即将进入全屏休息</source>
        <translation>Break starting soon</translation>
    </message>
    <message>
        <source>%1 秒后开始，放松一下颈椎</source>
        <translation>Starting in %1 seconds — time to relax your neck</translation>
    </message>
    <message>
        <source>稍后提醒</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>停手后开始休息</source>
        <translation>Break at next pause</translation>
    </message>
    <message>
        <source>键盘和鼠标停下 %1 秒后开始，最迟 %2 分钟后</source>
        <translation>When keyboard and mouse rest for %1 s (%2 min at most)</translation>
    </message>
    <message>
        <source>该休息一下啦</source>
        <translation>Time for a break</translation>
    </message>
    <message>
        <source>立即休息</source>
        <translation>Take a break</translation>
    </message>
</context>
<context>
    <name>BreakOverlayContentView</name>
    <message>
        <source>· 颈椎小贴士 ·</source>
        <translation>· Neck care tip ·</translation>
    </message>
    <message>
        <source>跳过休息</source>
        <translation>Skip break</translation>
    </message>
    <message>
        <source>推迟 %1 分钟</source>
        <translation>Postpone %1 min</translation>
    </message>
    <message>
        <source>跟练颈肩操</source>
        <translation>Guided neck moves</translation>
    </message>
    <message>
        <source>停止跟练</source>
        <translation>Stop guided moves</translation>
    </message>
    <message>
        <source>休息开始</source>
        <translation>Break started</translation>
    </message>
    <message>
        <source>%1。休息 %2 分 %3 秒。</source>
        <translation>%1. Break of %2 min %3 s.</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Time left</translation>
    </message>
</context>
<context>
    <name>BreakOverlayPresenter</name>
    <message>
        <source>还剩 %1 分 %2 秒</source>
        <translation>%1 min %2 s left</translation>
    </message>
</context>
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
    <name>CommandLine</name>
    <message>
        <source>用法见 tavrin --help</source>
        <translation>See tavrin --help for usage</translation>
    </message>
    <message>
        <source>Tavrin 没有在运行</source>
        <translation>Tavrin is not running</translation>
    </message>
    <message>
        <source>tavrin: 导出失败：</source>
        <translation>tavrin: export failed: </translation>
    </message>
    <message>
        <source>已导出 usage.csv、breaks.csv 和 micro_pauses.csv 到 %1</source>
        <translation>Exported usage.csv, breaks.csv and micro_pauses.csv to %1</translation>
    </message>
    <message>
        <source>--pause 需要 1 到 %1 之间的分钟数，或 tomorrow</source>
        <translation>--pause needs a number of minutes from 1 to %1, or tomorrow</translation>
    </message>
    <message>
        <source>--meeting 需要 on、off 或 toggle</source>
        <translation>--meeting needs on, off or toggle</translation>
    </message>
    <message>
        <source>Tavrin：守护颈椎健康的休息提醒。不带选项时启动 Tavrin，已在运行时打开它的仪表盘；带选项时控制正在运行的 Tavrin。</source>
        <translation>Tavrin: break reminders that look after your neck. Without options, starts Tavrin, or opens its dashboard if it is already running; with an option, controls the running Tavrin.</translation>
    </message>
    <message>
        <source>立即休息</source>
        <translation>Take a break now</translation>
    </message>
    <message>
        <source>立即微休息（需在设置中开启微休息）</source>
        <translation>Take a micro-pause now (micro-pauses must be turned on in settings)</translation>
    </message>
    <message>
        <source>暂停提醒 MINUTES 分钟（1 到 %1），或 tomorrow：直到明天</source>
        <translation>Pause reminders for MINUTES minutes (1 to %1); &quot;tomorrow&quot; pauses until tomorrow</translation>
    </message>
    <message>
        <source>恢复提醒</source>
        <translation>Resume reminders</translation>
    </message>
    <message>
        <source>打开、关闭或切换会议/观影模式</source>
        <translation>Turn meeting mode (meetings and films) on, off, or toggle it</translation>
    </message>
    <message>
        <source>打开仪表盘</source>
        <translation>Open the dashboard</translation>
    </message>
    <message>
        <source>打开设置</source>
        <translation>Open settings</translation>
    </message>
    <message>
        <source>打开使用历史</source>
        <translation>Open usage history</translation>
    </message>
    <message>
        <source>保存今日数据后退出 Tavrin</source>
        <translation>Save today&apos;s data and quit Tavrin</translation>
    </message>
    <message>
        <source>显示当前状态</source>
        <translation>Show the current status</translation>
    </message>
    <message>
        <source>先显示一行 JSON 状态，之后每次变化再显示一行（给 waybar 用）</source>
        <translation>Print the status as one line of JSON, then one more line on every change (for waybar)</translation>
    </message>
    <message>
        <source>把全部使用记录和休息记录导出为 FOLDER 中的 usage.csv 和 breaks.csv（无需 Tavrin 在运行）</source>
        <translation>Export all usage and break records to usage.csv and breaks.csv in FOLDER (Tavrin need not be running)</translation>
    </message>
    <message>
        <source>显示版本</source>
        <translation>Show the version</translation>
    </message>
    <message>
        <source>显示这段帮助</source>
        <translation>Show this help</translation>
    </message>
    <message>
        <source>与 --status 一起：以一行 JSON 显示</source>
        <translation>With --status: print it as one line of JSON</translation>
    </message>
    <message>
        <source>多余的参数：%1</source>
        <translation>Unexpected arguments: %1</translation>
    </message>
    <message>
        <source>没有要执行的命令</source>
        <translation>No command given</translation>
    </message>
    <message>
        <source>一次只能执行一个命令</source>
        <translation>Only one command can be given at a time</translation>
    </message>
    <message>
        <source>--json 只能与 --status 或 --watch 一起使用</source>
        <translation>--json can only be used with --status or --watch</translation>
    </message>
</context>
<context>
    <name>ControlAdaptor</name>
    <message>
        <source>微休息未开启，请先在设置中打开</source>
        <translation>Micro-pauses are off. Please turn them on in settings first</translation>
    </message>
    <message>
        <source>暂停时长须在 1 到 %1 分钟之间</source>
        <translation>The pause must be between 1 and %1 minutes</translation>
    </message>
    <message>
        <source>没有这个窗口：%1（可用 %2）</source>
        <translation>No such window: %1 (available: %2)</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>无法创建文件夹 %1</source>
        <translation>Could not create the folder %1</translation>
    </message>
    <message>
        <source>%1 不是普通文件（可能是链接），不会覆盖</source>
        <translation>%1 is not a regular file (it may be a link), so it was not overwritten</translation>
    </message>
    <message>
        <source>无法写入 %1：%2</source>
        <translation>Could not write %1: %2</translation>
    </message>
</context>
<context>
    <name>DashboardModel</name>
    <message>
        <source>工作</source>
        <translation>Work</translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>休息</source>
        <translation>Break</translation>
    </message>
    <message>
        <source>%1 分 %2 秒</source>
        <translation>%1 min %2 s</translation>
    </message>
    <message>
        <source>间隔</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>会议/观影</source>
        <translation>Meeting mode</translation>
    </message>
    <message>
        <source>开启</source>
        <translation>On</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>版本 %1
许可证：GNU GPL 3.0 或更高版本
数据保存在：%2</source>
        <translation>Version %1
License: GNU GPL 3.0 or later
Data stored in: %2</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>· 持续工作会累积疲劳值，达到规则时长会弹出全屏休息提醒。
· 锁屏 / 睡眠 / 完成休息后疲劳值下降。
· 开启会议/观影模式后，会议、观影期间不累计疲劳值与工作时长。
· 可在设置中调整规则、提醒方式与主题。

联系开发者：</source>
        <translation>· Fatigue builds up while you keep working. When you reach the time set in your rules, a full-screen break reminder appears.
· Fatigue goes down when you lock the screen, suspend the computer or finish a break.
· In meeting mode, meetings and films don&apos;t add to fatigue or work time.
· You can adjust the rules, reminder style and theme in Settings.

Contact the developer: </translation>
    </message>
</context>
<context>
    <name>DashboardWindow</name>
    <message>
        <source>Tavrin · 守护颈椎健康</source>
        <translation>Tavrin · Caring for your neck</translation>
    </message>
    <message>
        <source>疲劳值</source>
        <translation>Fatigue</translation>
    </message>
    <message>
        <source>今日时长</source>
        <translation>Time today</translation>
    </message>
    <message>
        <source>今日使用</source>
        <translation>Today&apos;s activity</translation>
    </message>
    <message>
        <source>立即休息</source>
        <translation>Take a break now</translation>
    </message>
    <message>
        <source>会议/观影模式</source>
        <translation>Meeting mode</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>更多</source>
        <translation>More</translation>
    </message>
    <message>
        <source>暂停提醒</source>
        <translation>Pause reminders</translation>
    </message>
    <message>
        <source>恢复提醒</source>
        <translation>Resume reminders</translation>
    </message>
    <message>
        <source>使用历史</source>
        <translation>Usage history</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>显示模式</source>
        <translation>Switch light/dark mode</translation>
    </message>
    <message>
        <source>好的</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>EnumText</name>
    <message>
        <source>默认</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>自定义</source>
        <translation>Custom</translation>
    </message>
    <message>
        <source>全屏弹窗</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>通知横幅</source>
        <translation>Banner</translation>
    </message>
    <message>
        <source>跟随系统</source>
        <translation>System</translation>
    </message>
    <message>
        <source>浅色</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>深色</source>
        <translation>Dark</translation>
    </message>
</context>
<context>
    <name>FormatDuration</name>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 小时 %2 分钟</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
<context>
    <name>GuideView</name>
    <message>
        <source>第 %1 / %2 次</source>
        <translation>%1 of %2</translation>
    </message>
</context>
<context>
    <name>GuidedMoves</name>
    <message>
        <source>收下巴</source>
        <translation>Chin tuck</translation>
    </message>
    <message>
        <source>目视前方，下巴水平向后收，做出双下巴，停 3 秒再放松，不痛为度</source>
        <translation>Look ahead and draw your chin back into a double chin. Hold 3 s, then relax. Stay pain-free.</translation>
    </message>
    <message>
        <source>侧屈颈部</source>
        <translation>Side neck bend</translation>
    </message>
    <message>
        <source>耳朵缓慢靠向肩膀，肩膀不耸起，两侧各停 3 秒，不痛为度</source>
        <translation>Ease your ear toward your shoulder without shrugging. Hold 3 s on each side. Stay pain-free.</translation>
    </message>
    <message>
        <source>左右转头</source>
        <translation>Head turns</translation>
    </message>
    <message>
        <source>在舒适范围内缓慢转头看向一侧，回正后再看向另一侧，切忌快速甩头</source>
        <translation>Slowly turn your head to one side, only as far as is comfortable, then the other. Avoid quick jerks.</translation>
    </message>
    <message>
        <source>向后绕肩</source>
        <translation>Shoulder rolls</translation>
    </message>
    <message>
        <source>双肩向上、向后、再向下慢慢画圈，打开胸廓，呼吸放松</source>
        <translation>Slowly circle your shoulders up, back and down to open your chest. Breathe and relax.</translation>
    </message>
    <message>
        <source>耸肩放松</source>
        <translation>Shrug and release</translation>
    </message>
    <message>
        <source>双肩缓缓耸向耳朵，停 2 秒，再让肩膀自然落下，释放斜方肌紧张</source>
        <translation>Slowly raise your shoulders toward your ears. Hold 2 s, then let them drop to release tension.</translation>
    </message>
    <message>
        <source>夹紧肩胛</source>
        <translation>Shoulder blade squeeze</translation>
    </message>
    <message>
        <source>手肘向后下方带，肩胛骨向中间夹紧，停 3 秒，挺胸但不仰头</source>
        <translation>Draw your elbows back and down, squeeze your shoulder blades, hold 3 s. Chest up, chin level.</translation>
    </message>
    <message>
        <source>扩胸打开</source>
        <translation>Chest opener</translation>
    </message>
    <message>
        <source>双臂向两侧打开、略向后展，感到胸前舒展即可，停 5 秒</source>
        <translation>Open your arms to the sides and slightly back until your chest feels a gentle stretch. Hold 5 s.</translation>
    </message>
    <message>
        <source>低头拉伸</source>
        <translation>Chin-down stretch</translation>
    </message>
    <message>
        <source>下巴慢慢靠向胸口，感到颈后轻微拉伸即可，停 5 秒，不痛为度</source>
        <translation>Slowly bring your chin toward your chest for a gentle neck stretch. Hold 5 s. Stay pain-free.</translation>
    </message>
    <message>
        <source>斜向拉伸</source>
        <translation>Diagonal stretch</translation>
    </message>
    <message>
        <source>头向一侧斜下方低，像看向腋下，两侧各停 3 秒，动作轻柔，不痛为度</source>
        <translation>Gently lower your head diagonally toward your armpit. Hold 3 s on each side. Stay pain-free.</translation>
    </message>
</context>
<context>
    <name>HistoryChart</name>
    <message>
        <source>每日使用时长与疲劳峰值</source>
        <translation>Daily usage and peak fatigue</translation>
    </message>
    <message>
        <source>小时</source>
        <translation>Hours</translation>
    </message>
    <message>
        <source>疲劳峰值</source>
        <translation>Peak fatigue</translation>
    </message>
    <message>
        <source>今天</source>
        <translation>Today</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>%1月%2日</source>
        <translation>%1/%2</translation>
    </message>
    <message>
        <source>没有使用记录</source>
        <translation>No usage recorded</translation>
    </message>
    <message>
        <source>使用 %1</source>
        <translation>Used for %1</translation>
    </message>
    <message>
        <source>疲劳峰值 %1%</source>
        <translation>Peak fatigue %1%</translation>
    </message>
    <message>
        <source>休息 完成 %1 · 跳过 %2 · 推迟 %3</source>
        <translation>Breaks: %1 completed · %2 skipped · %3 postponed</translation>
    </message>
    <message numerus="yes">
        <source>微休息 %n 次</source>
        <translation>
            <numerusform>%n micro-pause</numerusform>
            <numerusform>%n micro-pauses</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>使用历史</source>
        <translation>Usage history</translation>
    </message>
    <message>
        <source>近 %1 天</source>
        <translation>Last %1 days</translation>
    </message>
    <message>
        <source>导出 CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>把全部使用记录和休息记录导出为 usage.csv 和 breaks.csv</source>
        <translation>Export all usage and break records as usage.csv and breaks.csv</translation>
    </message>
    <message>
        <source>日均使用</source>
        <translation>Daily average</translation>
    </message>
    <message>
        <source>休息完成率</source>
        <translation>Breaks completed</translation>
    </message>
    <message>
        <source>单日最长使用</source>
        <translation>Longest day</translation>
    </message>
    <message>
        <source>使用时长</source>
        <translation>Time used</translation>
    </message>
    <message>
        <source>疲劳峰值</source>
        <translation>Peak fatigue</translation>
    </message>
    <message>
        <source>休息：完成 %1 · 跳过 %2 · 推迟 %3 · 微休息 %4</source>
        <translation>Breaks: %1 completed · %2 skipped · %3 postponed · Micro-pauses: %4</translation>
    </message>
    <message>
        <source>休息：完成 %1 · 跳过 %2 · 推迟 %3</source>
        <translation>Breaks: %1 completed · %2 skipped · %3 postponed</translation>
    </message>
    <message>
        <source>选择导出到的文件夹</source>
        <translation>Choose a folder to export to</translation>
    </message>
    <message>
        <source>已导出 usage.csv 和 breaks.csv</source>
        <translation>Exported usage.csv and breaks.csv</translation>
    </message>
    <message>
        <source>导出失败</source>
        <translation>Export failed</translation>
    </message>
    <message>
        <source>好的</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>MenuBarPanel</name>
    <message>
        <source>Tavrin 状态</source>
        <translation>Tavrin status</translation>
    </message>
    <message>
        <source>无法保存使用记录</source>
        <translation>Could not save usage records</translation>
    </message>
    <message>
        <source>无法保存设置</source>
        <translation>Could not save settings</translation>
    </message>
    <message>
        <source>立即休息</source>
        <translation>Take a break</translation>
    </message>
    <message>
        <source>会议/观影模式</source>
        <translation>Meeting mode</translation>
    </message>
    <message>
        <source>暂停提醒</source>
        <translation>Pause reminders</translation>
    </message>
    <message>
        <source>打开仪表盘</source>
        <translation>Open dashboard</translation>
    </message>
    <message>
        <source>使用历史</source>
        <translation>Usage history</translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>退出 Tavrin</source>
        <translation>Quit Tavrin</translation>
    </message>
    <message>
        <source>恢复提醒</source>
        <translation>Resume reminders</translation>
    </message>
    <message>
        <source>疲劳值</source>
        <translation>Fatigue</translation>
    </message>
</context>
<context>
    <name>MicroPauseCard</name>
    <message>
        <source>微休息</source>
        <translation>Micro-pause</translation>
    </message>
    <message>
        <source>跳过</source>
        <translation>Skip</translation>
    </message>
</context>
<context>
    <name>MicroPauseCues</name>
    <message>
        <source>放松肩膀，看向远处</source>
        <translation>Relax your shoulders and look into the distance</translation>
    </message>
    <message>
        <source>下巴轻轻后收，停一停</source>
        <translation>Gently tuck your chin back and hold</translation>
    </message>
    <message>
        <source>肩膀向后慢慢转一圈</source>
        <translation>Slowly roll your shoulders back once</translation>
    </message>
    <message>
        <source>闭上眼睛，深呼吸</source>
        <translation>Close your eyes and breathe deeply</translation>
    </message>
    <message>
        <source>看看窗外最远的地方</source>
        <translation>Look at the farthest point outside the window</translation>
    </message>
    <message>
        <source>耳朵轻轻靠向肩膀</source>
        <translation>Gently tilt your ear toward your shoulder</translation>
    </message>
    <message>
        <source>手离开键盘，抖一抖</source>
        <translation>Take your hands off the keyboard and shake them out</translation>
    </message>
    <message>
        <source>坐直，后背靠上椅背</source>
        <translation>Sit up straight with your back against the chair</translation>
    </message>
    <message>
        <source>眨眨眼，让眼睛湿润</source>
        <translation>Blink a few times to refresh your eyes</translation>
    </message>
    <message>
        <source>肩膀下沉，放松手臂</source>
        <translation>Let your shoulders drop and relax your arms</translation>
    </message>
</context>
<context>
    <name>OverlayTips</name>
    <message>
        <source>缓慢左右转头各 5 次，动作轻柔，切忌快速甩头</source>
        <translation>Slowly turn your head left and right, 5 times each way. Keep it gentle and never jerk your head.</translation>
    </message>
    <message>
        <source>下巴向内收（做出双下巴），保持 5 秒再放松，重复 10 次，强化深层颈屈肌</source>
        <translation>Tuck your chin in (make a double chin), hold 5 seconds, then relax. Repeat 10 times to strengthen the deep neck flexors.</translation>
    </message>
    <message>
        <source>双手交叉抱住后脑，头向后用力、手向前对抗 10 秒，锻炼颈后肌群</source>
        <translation>Clasp your hands behind your head and press your head back against them for 10 seconds to strengthen the back of your neck.</translation>
    </message>
    <message>
        <source>头缓慢向左肩侧倾，手轻搭头顶加深拉伸 15 秒，再换右侧</source>
        <translation>Slowly tilt your head toward your left shoulder, rest a hand lightly on top to deepen the stretch for 15 seconds, then switch sides.</translation>
    </message>
    <message>
        <source>耸肩向耳朵方向，保持 5 秒后突然放松，重复 5 次，释放斜方肌紧张</source>
        <translation>Shrug your shoulders toward your ears, hold 5 seconds, then let go all at once. Repeat 5 times to release tension in your upper back.</translation>
    </message>
    <message>
        <source>双肩向后绕环 10 次，打开胸廓，改善圆肩驼背</source>
        <translation>Roll your shoulders backward 10 times to open your chest and ease rounded shoulders and a hunched back.</translation>
    </message>
    <message>
        <source>双手在背后交握、手臂伸直向后拉，扩胸并夹紧肩胛骨 10 秒</source>
        <translation>Clasp your hands behind your back, straighten your arms and draw them back, opening your chest and squeezing your shoulder blades for 10 seconds.</translation>
    </message>
    <message>
        <source>站起来走一走，倒杯水——离开固定姿势本身就是最好的颈椎保护</source>
        <translation>Stand up, walk around, pour yourself some water — simply changing your posture is the best care for your neck.</translation>
    </message>
    <message>
        <source>调整屏幕：上缘与视线平齐，距离一臂远，避免长时间低头或探头</source>
        <translation>Set up your screen with its top edge at eye level and about an arm&apos;s length away, so you don&apos;t spend hours looking down or leaning in.</translation>
    </message>
    <message>
        <source>打电话时别用头夹手机，改用耳机，避免颈部长期歪斜受力</source>
        <translation>Don&apos;t hold your phone between ear and shoulder during calls. Use headphones so your neck isn&apos;t kept tilted under strain.</translation>
    </message>
    <message>
        <source>枕头高度约一拳为宜，仰卧时要能托住颈部的生理曲度</source>
        <translation>A pillow about a fist high is ideal: when you lie on your back, it should support the natural curve of your neck.</translation>
    </message>
    <message>
        <source>空调冷风不要直吹脖子，颈部受凉易诱发肌肉痉挛与疼痛</source>
        <translation>Keep cold air from the air conditioner off your neck. A chilled neck is prone to muscle spasms and pain.</translation>
    </message>
    <message>
        <source>写字看手机时尽量抬高设备，而不是低头迁就——低头 60° 时颈椎负重约 27 公斤</source>
        <translation>When writing or using your phone, raise the device instead of bending down to it — at a 60° tilt, your neck carries about 27 kg.</translation>
    </message>
    <message>
        <source>每工作 45 分钟起身活动 3 分钟，是预防颈椎病最简单有效的习惯</source>
        <translation>Getting up to move for 3 minutes after every 45 minutes of work is the simplest, most effective habit for a healthy neck.</translation>
    </message>
    <message>
        <source>游泳（尤其蛙泳）和放风筝式仰头远望，都是对颈椎友好的运动</source>
        <translation>Swimming (especially breaststroke) and gazing up into the distance, as when flying a kite, are both kind to your neck.</translation>
    </message>
</context>
<context>
    <name>PanelView</name>
    <message>
        <source>今日 %1</source>
        <translation>Today %1</translation>
    </message>
    <message numerus="yes">
        <source>连续 %n 分钟</source>
        <translation>
            <numerusform>%n min straight</numerusform>
            <numerusform>%n min straight</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PauseMenu</name>
    <message>
        <source>30 分钟</source>
        <translation>30 minutes</translation>
    </message>
    <message>
        <source>1 小时</source>
        <translation>1 hour</translation>
    </message>
    <message>
        <source>直到明天</source>
        <translation>Until tomorrow</translation>
    </message>
</context>
<context>
    <name>ReminderBannerView</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
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
    <name>ReminderStatus</name>
    <message>
        <source>工作中</source>
        <translation>Working</translation>
    </message>
    <message>
        <source>休息中</source>
        <translation>Resting</translation>
    </message>
    <message>
        <source>空闲</source>
        <translation>Idle</translation>
    </message>
</context>
<context>
    <name>RuleConfig</name>
    <message numerus="yes">
        <source>你已经持续盯着屏幕 %n 分钟啦</source>
        <translation>
            <numerusform>You&apos;ve been looking at the screen for %n minute</numerusform>
            <numerusform>You&apos;ve been looking at the screen for %n minutes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>SettingsUserDefaults</name>
    <message>
        <source>%1：链接指向的文件不存在</source>
        <translation>%1: the file the link points to does not exist</translation>
    </message>
    <message>
        <source>%1：不是普通文件</source>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1：无法读取，也无法移到一旁</source>
        <translation>%1: could not be read or moved aside</translation>
    </message>
    <message>
        <source>%1：无法创建文件夹</source>
        <translation>%1: could not create the folder</translation>
    </message>
    <message>
        <source>%1：无法写入</source>
        <translation>%1: could not be written</translation>
    </message>
</context>
<context>
    <name>SettingsWindow</name>
    <message>
        <source>Tavrin 设置</source>
        <translation>Tavrin settings</translation>
    </message>
    <message>
        <source>启动</source>
        <translation>Startup</translation>
    </message>
    <message>
        <source>开机时启动</source>
        <translation>Start at login</translation>
    </message>
    <message>
        <source>状态栏</source>
        <translation>System tray</translation>
    </message>
    <message>
        <source>显示状态栏图标</source>
        <translation>Show tray icon</translation>
    </message>
    <message>
        <source>在状态栏中显示今日时长</source>
        <translation>Show today&apos;s time in the tray</translation>
    </message>
    <message>
        <source>程序坞</source>
        <translation>Taskbar</translation>
    </message>
    <message>
        <source>显示程序坞图标</source>
        <translation>Show in taskbar</translation>
    </message>
    <message>
        <source>通知</source>
        <translation>Notifications</translation>
    </message>
    <message>
        <source>通知提醒</source>
        <translation>Reminder notifications</translation>
    </message>
    <message>
        <source>提醒方式</source>
        <translation>Reminder style</translation>
    </message>
    <message>
        <source>在全屏弹窗出现前通知提醒</source>
        <translation>Notify before the full-screen break</translation>
    </message>
    <message>
        <source>在我停手时开始休息</source>
        <translation>Start breaks at my next pause</translation>
    </message>
    <message>
        <source>休息结束时播放声音</source>
        <translation>Play a sound when a break ends</translation>
    </message>
    <message>
        <source>在全屏弹窗中展示跳过按钮</source>
        <translation>Show a skip button on the break screen</translation>
    </message>
    <message>
        <source>休息时跟练</source>
        <translation>Guided moves during breaks</translation>
    </message>
    <message>
        <source>不适合我的动作</source>
        <translation>Moves to leave out</translation>
    </message>
    <message>
        <source>推迟时长</source>
        <translation>Postpone by</translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message>
        <source>上传</source>
        <translation>Choose…</translation>
    </message>
    <message>
        <source>测试</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>全屏弹窗背景</source>
        <translation>Break screen background</translation>
    </message>
    <message>
        <source>规则</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>全屏提醒的提醒内容</source>
        <translation>Break screen message</translation>
    </message>
    <message>
        <source>你已经持续工作 45 分钟啦</source>
        <translation>You&apos;ve been working for 45 minutes</translation>
    </message>
    <message>
        <source>工作</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>分后，休息</source>
        <translation>min, then break for</translation>
    </message>
    <message>
        <source>分</source>
        <translation>min</translation>
    </message>
    <message>
        <source>秒</source>
        <translation>s</translation>
    </message>
    <message>
        <source>100% 时每隔</source>
        <translation>At 100%, remind every</translation>
    </message>
    <message>
        <source>分钟提醒</source>
        <translation>min</translation>
    </message>
    <message>
        <source>通知间隔</source>
        <translation>Repeat reminders</translation>
    </message>
    <message>
        <source>会议/观影模式</source>
        <translation>Meeting mode</translation>
    </message>
    <message>
        <source>开启后暂停统计，会议、观影期间不累计疲劳值与工作时长</source>
        <translation>Pauses tracking, so meetings and films don&apos;t add to fatigue or work time</translation>
    </message>
    <message>
        <source>免打扰</source>
        <translation>Do not disturb</translation>
    </message>
    <message>
        <source>麦克风或摄像头使用中时推迟休息</source>
        <translation>Postpone breaks while the microphone or camera is in use</translation>
    </message>
    <message>
        <source>其他程序录音或使用摄像头时，休息等结束 2 分钟后再开始，最多推迟 60 分钟</source>
        <translation>While another app records sound or uses the camera, the break waits until 2 minutes after it stops, for up to 60 minutes</translation>
    </message>
    <message>
        <source>当前会话无法得知前台窗口是否全屏，此项不可用</source>
        <translation>This session can&apos;t tell whether the active window is full screen, so this option is unavailable</translation>
    </message>
    <message>
        <source>Wayland 会话中只能识别 X11 应用的全屏窗口，原生 Wayland 窗口无法得知</source>
        <translation>In a Wayland session, only full-screen X11 apps can be detected, not native Wayland windows</translation>
    </message>
    <message>
        <source>演示、视频等全屏时，休息等退出全屏 2 分钟后再开始，最多推迟 60 分钟</source>
        <translation>During full-screen presentations, videos and the like, the break waits until 2 minutes after you leave full screen, for up to 60 minutes</translation>
    </message>
    <message>
        <source>前台窗口全屏时推迟休息</source>
        <translation>Postpone breaks while the active window is full screen</translation>
    </message>
    <message>
        <source>微休息</source>
        <translation>Micro-pauses</translation>
    </message>
    <message>
        <source>在屏幕上方请你停下片刻，放松肩颈和眼睛；不抢输入，不影响疲劳值和休息</source>
        <translation>A gentle prompt at the top of the screen to stop for a moment and relax your neck, shoulders and eyes. It won&apos;t take keyboard focus and doesn&apos;t affect fatigue or breaks</translation>
    </message>
    <message>
        <source>每工作</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>分钟，停</source>
        <translation>min of work, pause for</translation>
    </message>
    <message>
        <source>节奏</source>
        <translation>Rhythm</translation>
    </message>
    <message>
        <source>外观</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>主题</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>联系开发者</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>无</source>
        <translation>None</translation>
    </message>
    <message>
        <source>已排除 %1 个</source>
        <translation>%1 left out</translation>
    </message>
    <message>
        <source>选择全屏弹窗的背景图片</source>
        <translation>Choose a background image for the break screen</translation>
    </message>
    <message>
        <source>图片 (%1)</source>
        <translation>Images (%1)</translation>
    </message>
    <message>
        <source>文件名</source>
        <translation>File name</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>无法用这个文件作为全屏弹窗的背景</source>
        <translation>This file can&apos;t be used as the break screen background</translation>
    </message>
    <message>
        <source>好的</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>重新启动 Tavrin 后生效</source>
        <translation>Takes effect after Tavrin restarts</translation>
    </message>
    <message>
        <source>上传背景图片</source>
        <translation>Choose a background image</translation>
    </message>
    <message>
        <source>测试全屏弹窗</source>
        <translation>Test the break screen</translation>
    </message>
    <message>
        <source>工作时长（分钟）</source>
        <translation>Work period (minutes)</translation>
    </message>
    <message>
        <source>休息时长（分钟）</source>
        <translation>Break length (minutes)</translation>
    </message>
    <message>
        <source>休息时长（秒）</source>
        <translation>Break length (seconds)</translation>
    </message>
    <message>
        <source>疲劳值 100% 时的提醒间隔（分钟）</source>
        <translation>Reminder interval at 100% fatigue (minutes)</translation>
    </message>
    <message>
        <source>微休息间隔（分钟）</source>
        <translation>Micro-pause interval (minutes)</translation>
    </message>
    <message>
        <source>微休息时长（秒）</source>
        <translation>Micro-pause length (seconds)</translation>
    </message>
    <message>
        <source>联系开发者：%1</source>
        <translation>Contact: %1</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>%1：是一个文件夹</source>
        <translation>%1: is a folder</translation>
    </message>
    <message>
        <source>%1：不是普通文件</source>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1：无法读写</source>
        <translation>%1: could not be read or written</translation>
    </message>
</context>
<context>
    <name>StatusReport</name>
    <message>
        <source>Tavrin · %1 · 疲劳 %2%</source>
        <translation>Tavrin · %1 · Fatigue %2%</translation>
    </message>
    <message>
        <source>今日 %1</source>
        <translation>Today %1</translation>
    </message>
    <message>
        <source>疲劳 %1</source>
        <translation>Fatigue %1</translation>
    </message>
</context>
<context>
    <name>SystemLog</name>
    <message>
        <source>Tavrin: 暂停提醒的结束时间不可信，已恢复提醒：</source>
        <translation>Tavrin: the end of the reminder pause cannot be right, reminders are back on: </translation>
    </message>
    <message>
        <source>Tavrin: 更新开机启动状态失败 </source>
        <translation>Tavrin: could not update starting at login </translation>
    </message>
    <message>
        <source>Tavrin: 设置中无法读取的项已忽略，按默认值：</source>
        <translation>Tavrin: settings that could not be read were ignored, using their defaults: </translation>
    </message>
    <message>
        <source>Tavrin: 设置无法读取，原记录已另存为：</source>
        <translation>Tavrin: the settings could not be read, the original record was kept as: </translation>
    </message>
    <message>
        <source>Tavrin: 无法保存设置，更改只在本次运行中有效：</source>
        <translation>Tavrin: could not save the settings, changes last only until Tavrin quits: </translation>
    </message>
    <message>
        <source>Tavrin: 丢弃未能写入的使用记录：</source>
        <translation>Tavrin: dropped usage that could not be written: </translation>
    </message>
    <message>
        <source>Tavrin: 退出时仍无法保存使用记录，已丢失：</source>
        <translation>Tavrin: usage still could not be saved at exit and is lost: </translation>
    </message>
    <message>
        <source>Tavrin: 丢弃未能写入的休息记录：</source>
        <translation>Tavrin: dropped a break that could not be written: </translation>
    </message>
    <message>
        <source>Tavrin: 找不到 Qt 的中文翻译，Qt 自带的文字将显示为英文</source>
        <translation>Tavrin: Qt&apos;s Chinese translation was not found, Qt&apos;s own texts will be shown in English</translation>
    </message>
    <message>
        <source>Tavrin: 找不到英文翻译，文字将显示为中文</source>
        <translation>Tavrin: the English translation was not found, texts will be shown in Chinese</translation>
    </message>
    <message>
        <source>Tavrin: 无法使用运行锁，未启动：</source>
        <translation>Tavrin: cannot use the run lock, not started: </translation>
    </message>
    <message>
        <source>Tavrin: 没有 XWayland，以 Wayland 窗口运行：休息画面和横幅只能在合成器允许的位置显示</source>
        <translation>Tavrin: no XWayland, running with Wayland windows: the break screen and banners can only appear where the compositor allows</translation>
    </message>
    <message>
        <source>Tavrin: 无法加载内置字体，改用系统字体</source>
        <translation>Tavrin: could not load the bundled font, using the system font</translation>
    </message>
    <message>
        <source>Tavrin: 没有可用的空闲时间来源，按一直在使用计算：</source>
        <translation>Tavrin: no source of idle time is available, counting as always in use: </translation>
    </message>
    <message>
        <source>Tavrin: 空闲时间来源失效，按一直在使用计算：</source>
        <translation>Tavrin: the source of idle time failed, counting as always in use: </translation>
    </message>
    <message>
        <source>Tavrin: 无法监听系统睡眠：</source>
        <translation>Tavrin: cannot follow the system going to sleep: </translation>
    </message>
    <message>
        <source>Mutter IdleMonitor 无应答</source>
        <translation>Mutter IdleMonitor does not answer</translation>
    </message>
    <message>
        <source>Tavrin: 运行目录的路径太长，无法建立本地套接字，没有会话总线时再次启动将无法找到本程序：</source>
        <translation>Tavrin: the runtime folder&apos;s path is too long for a local socket; without a session bus, starting Tavrin again will not find this one: </translation>
    </message>
    <message>
        <source>Tavrin: 无法在本地套接字上等待再次启动的请求：</source>
        <translation>Tavrin: cannot wait on the local socket for requests from a second start: </translation>
    </message>
    <message>
        <source>Tavrin: 运行锁不属于任何正在运行的 Tavrin，已接管：</source>
        <translation>Tavrin: the run lock belonged to no running Tavrin and was taken over: </translation>
    </message>
    <message>
        <source>Tavrin: 系统时区已改为：</source>
        <translation>Tavrin: the system&apos;s time zone is now: </translation>
    </message>
    <message>
        <source>Tavrin: 打开 SQLite 失败：</source>
        <translation>Tavrin: opening SQLite failed: </translation>
    </message>
    <message>
        <source>Tavrin: SQLite exec 失败：</source>
        <translation>Tavrin: SQLite exec failed: </translation>
    </message>
    <message>
        <source>Tavrin: SQLite prepare 失败：</source>
        <translation>Tavrin: SQLite prepare failed: </translation>
    </message>
    <message>
        <source>Tavrin: SQLite step 失败：</source>
        <translation>Tavrin: SQLite step failed: </translation>
    </message>
    <message>
        <source>Tavrin: 数据库由更新版本的 Tavrin 写入，只使用能理解的部分，版本：</source>
        <translation>Tavrin: the database was written by a newer Tavrin, only the parts this one understands are used, version: </translation>
    </message>
    <message>
        <source>Tavrin: 导入背景图失败 </source>
        <translation>Tavrin: importing the background image failed </translation>
    </message>
    <message>
        <source>Tavrin: 写入小组件快照失败 </source>
        <translation>Tavrin: writing the widget snapshot failed </translation>
    </message>
</context>
<context>
    <name>TrayController</name>
    <message>
        <source>Tavrin · 今日 %1</source>
        <translation>Tavrin · Today %1</translation>
    </message>
</context>
<context>
    <name>UsageChart</name>
    <message>
        <source>今日疲劳曲线</source>
        <translation>Today&apos;s fatigue curve</translation>
    </message>
    <message>
        <source>%1:00 · 疲劳 %2%</source>
        <translation>%1:00 · Fatigue %2%</translation>
    </message>
    <message>
        <source>当前时间</source>
        <translation>Current time</translation>
    </message>
</context>
<context>
    <name>UsageDatabase</name>
    <message>
        <source>%1：不是普通文件</source>
        <translation>%1: not a regular file</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>文件或其文件夹只读，无法写入</source>
        <translation>The file or its folder is read-only</translation>
    </message>
    <message>
        <source>%1：无法打开（详见系统日志）</source>
        <translation>%1: could not be opened (see the system log)</translation>
    </message>
    <message>
        <source>无法读取使用记录数据库 %1</source>
        <translation>Could not read the usage database %1</translation>
    </message>
</context>
<context>
    <name>WidgetSnapshot</name>
    <message>
        <source>%1 小时 %2 分</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message numerus="yes">
        <source>%n 分钟</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
</context>
</TS>
