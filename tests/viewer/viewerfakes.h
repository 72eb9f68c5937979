#pragma once

#include "viewer/messagebox.h"
#include "viewer/randomsource.h"
#include "viewer/viewerseams.h"

#include "shared/viewersettings.h"

#include <QStringList>

#include <functional>

struct RecordingMessageBox : MessageBoxService
{
    struct Box
    {
        QString text, title;
        bool systemModal;
    };
    void show(const QString &text, const QString &title, bool systemModal) override
    {
        boxes.append({text, title, systemModal});
        if (onShow)
            onShow();
    }
    QList<Box> boxes;
    std::function<void()> onShow;
};

struct FixedRandom : RandomSource
{
    double draw() override { ++draws; return r; }
    double r = 0.0;
    int draws = 0;
};

struct MemoryStore : ViewerSettingsStore
{
    ViewerSettings readAll() const override { ++reads; return stored; }
    void writeAll(const ViewerSettings &settings) override { stored = settings; }
    void savePosition(qint16 position) override { stored.linePosition = position; saved.append(position); }
    ViewerSettings stored;
    QList<qint16> saved;
    mutable int reads = 0;
};

struct FakeTimer : TickTimer
{
    void setHandler(std::function<void()> h) override { handler = std::move(h); }
    void setRunning(bool r) override { running = r; }
    bool isRunning() const override { return running; }
    void tick()
    {
        if (running && handler)
            handler();
    }
    std::function<void()> handler;
    bool running = false;
};

struct FakeTray : TrayIconView
{
    void addIcon(bool p) override { shown = true; paused = p; log << (p ? "add paused" : "add running"); }
    void removeIcon() override { shown = false; log << "remove"; }
    void setStopChecked(bool c) override { stopChecked = c; }
    void setStopEnabled(bool e) override { stopEnabled = e; }
    bool shown = false, paused = false, stopChecked = false, stopEnabled = true;
    QStringList log;
};

struct FakeLink : PropertyLink
{
    void open(std::function<void(const QString &)> v, std::function<void()> g) override
    {
        ++opens;
        isOpen = true;
        deliver = std::move(v);
        onGone = std::move(g);
    }
    void close() override { isOpen = false; }
    void gone() { isOpen = false; onGone(); }
    std::function<void(const QString &)> deliver;
    std::function<void()> onGone;
    bool isOpen = false;
    int opens = 0;
};
