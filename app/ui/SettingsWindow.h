// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AppSettings.h"

#include <QPointer>
#include <QWidget>

#include <functional>

class AppState;
class Appearance;
class Clock;
class NumberField;
class QComboBox;
class QFileDialog;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class SwitchToggle;
class SystemLog;

// Every preference as a row in eight sections. Each change assigns a modified copy of the whole settings
// record to AppState, which stores and applies it at once: there is no apply or cancel.
class SettingsWindow final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kContentWidth = 560;
    static constexpr int kMinimumHeight = 700;

    struct Services
    {
        const Appearance& appearance;
        const Clock& clock;
        SystemLog& log;
        // Where imported backgrounds go.
        QString backgroundsFolder;
    };

    SettingsWindow(AppState& state, Services services, QWidget* parent = nullptr);
    ~SettingsWindow() override;

    // Copies the chosen image into the backgrounds folder (its own path when that fails), then stores the
    // path and the custom style, as two assignments. A file that cannot be a background (a device, a huge
    // file) is refused with a message and changes nothing.
    void useBackgroundImage(const QString& chosenPath);
    // Opens the image chooser (window-modal; it does not block the event loop).
    QFileDialog* chooseBackgroundImage();

    // Rows, switches and captions go by the name of the setting they change ("startBreakAtPause"), which is
    // also the switch's object name.
    SwitchToggle* toggle(const QString& name) const { return m_toggles.value(name); }
    // Whether the row can be changed now: options that cannot apply (the full-screen notice while the banner
    // is chosen, every reminder option while reminders are off) are disabled.
    bool rowEnabled(const QString& name) const;
    NumberField* workMinutesField() const { return m_workMinutes; }
    NumberField* restMinutesField() const { return m_restMinutes; }
    NumberField* restSecondsField() const { return m_restSeconds; }
    NumberField* nagMinutesField() const { return m_nagMinutes; }
    NumberField* microPauseMinutesField() const { return m_microPauseMinutes; }
    NumberField* microPauseSecondsField() const { return m_microPauseSeconds; }
    QComboBox* reminderStylePicker() const { return m_reminderStyle; }
    QComboBox* postponePicker() const { return m_postpone; }
    QMenu* excludedMovesMenu() const { return m_excludedMoves; }
    QLabel* caption(const QString& name) const { return m_captions.value(name); }
    QComboBox* backgroundPicker() const { return m_background; }
    QComboBox* themePicker() const { return m_theme; }
    QPushButton* uploadButton() const { return m_upload; }
    QPushButton* testButton() const { return m_test; }
    QLineEdit* breakMessageField() const { return m_breakMessage; }
    QLabel* contactLink() const { return m_contact; }

private:
    using Edit = std::function<AppSettings(AppSettings)>;

    void buildSections(QWidget* content);
    SwitchToggle* addSwitch(class QVBoxLayout* section, const QString& name, const QString& title,
                            bool AppSettings::*field);
    // A switch under a title with an explanation beneath it.
    SwitchToggle* addCaptionedSwitch(class QVBoxLayout* section, const QString& name, const QString& title,
                                     const QString& caption, std::function<bool(const AppSettings&)> read,
                                     std::function<AppSettings(AppSettings, bool)> write);
    QPushButton* excludedMovesButton();
    NumberField* numberField(std::function<qint64(const AppSettings&)> read,
                             std::function<AppSettings(AppSettings, qint64)> write);
    template <typename E>
    QComboBox* picker(E AppSettings::*field, int width);
    void change(const Edit& edit);
    void refresh();

    AppState& m_state;
    Services m_services;
    QHash<QString, SwitchToggle*> m_toggles;
    QHash<QString, QLabel*> m_captions;
    QList<std::function<void(const AppSettings&)>> m_refreshers;
    NumberField* m_workMinutes = nullptr;
    NumberField* m_restMinutes = nullptr;
    NumberField* m_restSeconds = nullptr;
    NumberField* m_nagMinutes = nullptr;
    NumberField* m_microPauseMinutes = nullptr;
    NumberField* m_microPauseSeconds = nullptr;
    QComboBox* m_reminderStyle = nullptr;
    QComboBox* m_postpone = nullptr;
    QComboBox* m_background = nullptr;
    QComboBox* m_theme = nullptr;
    QComboBox* m_language = nullptr;
    QPushButton* m_upload = nullptr;
    QPushButton* m_test = nullptr;
    QMenu* m_excludedMoves = nullptr;
    QLineEdit* m_breakMessage = nullptr;
    QLabel* m_contact = nullptr;
    QPointer<QFileDialog> m_chooser;
    // Rows that apply only while reminders are on, and only to the full-screen style.
    QHash<QString, QList<QWidget*>> m_rows;
    void enableRows(const AppSettings& settings);
};
