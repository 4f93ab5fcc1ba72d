// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Appearance.h"
#include "BusySignal.h"
#include "LoginItem.h"
#include "SoundPlayer.h"
#include "TaskbarPresence.h"

// Backends for tests and headless runs: they touch nothing outside the process and remember what they
// were asked, for a test to read.

class DummySoundPlayer final : public SoundPlayer
{
public:
    void playBreakEnd() override { ++plays; }
    int plays = 0;
};

class DummyTaskbarPresence final : public TaskbarPresence
{
public:
    void setRegular(bool value) override
    {
        regular = value;
        ++calls;
    }
    bool regular = true;
    int calls = 0;
};

class DummyAppearance final : public Appearance
{
public:
    void apply(ThemeMode value) override
    {
        mode = value;
        ++calls;
    }
    bool isDark() const override { return mode == ThemeMode::dark || (mode == ThemeMode::system && systemDark); }
    ThemeMode mode = ThemeMode::system;
    bool systemDark = false;
    int calls = 0;
};

class DummyLoginItem final : public LoginItem
{
public:
    bool isInstalled() const override { return installed; }
    bool isEnabled() const override { return enabled; }
    bool registerItem(QString* error) override { return change(true, error); }
    bool unregisterItem(QString* error) override { return change(false, error); }

    bool installed = true;
    bool enabled = false;
    QString failWith; // a non-empty text makes the next changes fail with it
    int registrations = 0;
    int unregistrations = 0;

private:
    bool change(bool on, QString* error)
    {
        (on ? registrations : unregistrations) += 1;
        if (!failWith.isEmpty()) {
            *error = failWith;
            return false;
        }
        enabled = on;
        return true;
    }
};

// Busy only when told, and only while enabled.
class DummyBusySignal final : public BusySignal
{
public:
    using BusySignal::BusySignal;
    void setEnabled(bool value) override
    {
        const bool was = isBusy();
        enabled = value;
        if (isBusy() != was) {
            emit busyChanged();
        }
    }
    bool isBusy() const override { return enabled && busy; }
    Coverage coverage() const override { return reach; }
    void setBusy(bool value)
    {
        const bool was = isBusy();
        busy = value;
        if (isBusy() != was) {
            emit busyChanged();
        }
    }

    bool enabled = false;
    bool busy = false;
    Coverage reach = Coverage::everything;
};
