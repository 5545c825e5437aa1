// Drives real dialogs the way a user would: presses buttons, ticks boxes,
// types text, and reads texts, check marks and enabled and visible states.
#pragma once
#include <windows.h>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// Polls `condition` every 10 ms until it holds or `timeoutMs` has passed.
bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000);

// Runs `body` (typically a modal dialog) on a user-interface thread of its
// own, so the test thread can act on the dialog while its modal loop runs.
class UiThread {
public:
    explicit UiThread(std::function<void()> body);
    // Ends any dialog still open on the thread, then joins it.
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    // Runs `fn` on the user-interface thread and waits for it.
    void Invoke(const std::function<void()>& fn);
    // Waits until the thread has handled everything posted to it so far.
    void Flush();
    // Waits for `body` to return.
    bool Join(DWORD timeoutMs = 10000);
    // The first visible top-level dialog of the thread with this caption.
    HWND FindDialog(const char* caption) const;
    HWND WaitForDialog(const char* caption, DWORD timeoutMs = 10000) const;

private:
    std::thread m_thread;
    DWORD m_threadId = 0;
    HWND m_invoker = nullptr;
    HANDLE m_ready;
    volatile bool m_done = false;
};

// Controls, addressed by dialog and id. Pressing or ticking a control that a
// user could not reach (hidden or disabled) fails the test.
void Click(HWND dialog, int id);
// Clicks without waiting for the click's handling, as a user's click on
// another program's window does: for a button whose handler opens a modal box.
void PostClick(HWND dialog, int id);
void Tick(HWND dialog, int id, bool checked);
void Type(HWND dialog, int id, const char* text);
std::string Text(HWND dialog, int id);
std::string WindowText(HWND window);
bool IsChecked(HWND dialog, int id);
bool IsEnabled(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);

// Records the program's message boxes through the framework's seam and
// answers them from a queue, for the recorder's lifetime. Without a queued
// answer a box gets its harmless choice (No, Cancel or OK).
class MessageBoxRecorder {
public:
    struct Box {
        HWND owner;
        std::string text;
        std::string caption;
        UINT type;
    };
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // Queues an answer; `action` runs first, as what the user does before
    // choosing it.
    void Answer(int result, std::function<void()> action = {});
    std::vector<Box> Boxes() const;

private:
    mutable std::mutex m_lock;
    std::vector<Box> m_boxes;
    std::vector<std::pair<int, std::function<void()>>> m_answers;
};

// The first visible top-level window of process `pid` that passes `test`.
HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& test);
std::string ClassName(HWND window);

// A top-level window with a title, as another program's window would show
// in the window list; destroyed with the object.
class TitledWindow {
public:
    explicit TitledWindow(const char* title, bool visible = true);
    ~TitledWindow() { Close(); }
    TitledWindow(const TitledWindow&) = delete;
    TitledWindow& operator=(const TitledWindow&) = delete;

    void Close();
    HWND Handle() const { return m_hwnd; }

private:
    HWND m_hwnd;
};
// The text of a real message box (its longest static text).
std::string MessageBoxText(HWND box);

// A program started as a process of its own.
class ProgramRun {
public:
    ProgramRun(const std::string& exe, const std::string& arguments);
    // Ends the process if it is still running.
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return m_process.hProcess != nullptr; }
    DWORD Pid() const { return m_process.dwProcessId; }
    bool Running() const;
    // The exit code, or -1 when the program is still running after `timeoutMs`.
    long Wait(DWORD timeoutMs = 20000);

private:
    PROCESS_INFORMATION m_process{};
};
