#include "UiDriver.h"
#include <gtest/gtest.h>
#include "framework/MessageBox.h"

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (condition())
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(10);
    }
}

static const UINT WM_INVOKE = WM_APP + 1;
static const UINT WM_FLUSH = WM_APP + 2;

static LRESULT CALLBACK InvokerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_FLUSH) {
        SetEvent(reinterpret_cast<HANDLE>(lParam));
        return 0;
    }
    if (msg == WM_INVOKE) {
        (*reinterpret_cast<const std::function<void()>*>(lParam))();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

UiThread::UiThread(std::function<void()> body) : m_ready(CreateEventA(nullptr, TRUE, FALSE, nullptr))
{
    m_thread = std::thread([this, body] {
        static ATOM atom = [] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = InvokerProc;
            wc.hInstance = GetModuleHandleA(nullptr);
            wc.lpszClassName = "OrvTestInvoker";
            return RegisterClassA(&wc);
        }();
        (void)atom;
        m_threadId = GetCurrentThreadId();
        m_invoker = CreateWindowExA(0, "OrvTestInvoker", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                    GetModuleHandleA(nullptr), nullptr);
        SetEvent(m_ready);
        body();
        m_done = true;
        DestroyWindow(m_invoker);
    });
    WaitForSingleObject(m_ready, INFINITE);
}

UiThread::~UiThread()
{
    // A test that stopped early leaves its dialogs open: end them all.
    std::function<void()> endDialogs = [this] {
        EnumThreadWindows(
            m_threadId,
            [](HWND hwnd, LPARAM) -> BOOL {
                char name[16] = "";
                GetClassNameA(hwnd, name, sizeof(name));
                if (strcmp(name, "#32770") == 0)
                    EndDialog(hwnd, IDABORT);
                return TRUE;
            },
            0);
    };
    while (!Join(100)) {
        DWORD_PTR ignored;
        SendMessageTimeoutA(m_invoker, WM_INVOKE, 0, reinterpret_cast<LPARAM>(&endDialogs),
                            SMTO_NORMAL, 1000, &ignored);
    }
    m_thread.join();
    CloseHandle(m_ready);
}

void UiThread::Invoke(const std::function<void()>& fn)
{
    SendMessageA(m_invoker, WM_INVOKE, 0, reinterpret_cast<LPARAM>(&fn));
}

void UiThread::Flush()
{
    // Posted messages are handled in order: once this one is, so are the
    // ones posted before it.
    HANDLE handled = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    PostMessageA(m_invoker, WM_FLUSH, 0, reinterpret_cast<LPARAM>(handled));
    WaitForSingleObject(handled, 10000);
    CloseHandle(handled);
}

bool UiThread::Join(DWORD timeoutMs)
{
    return WaitFor([this] { return m_done; }, timeoutMs);
}

struct FindDialogSearch {
    const char* caption;
    HWND found;
};

HWND UiThread::FindDialog(const char* caption) const
{
    FindDialogSearch search{caption, nullptr};
    EnumThreadWindows(
        m_threadId,
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<FindDialogSearch*>(param);
            char name[16] = "";
            GetClassNameA(hwnd, name, sizeof(name));
            if (strcmp(name, "#32770") == 0 && IsWindowVisible(hwnd) && WindowText(hwnd) == s->caption) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND UiThread::WaitForDialog(const char* caption, DWORD timeoutMs) const
{
    HWND found = nullptr;
    WaitFor([&] { return (found = FindDialog(caption)) != nullptr; }, timeoutMs);
    return found;
}

static HWND Reachable(HWND dialog, int id)
{
    HWND control = GetDlgItem(dialog, id);
    if (!control) {
        ADD_FAILURE() << "no control " << id;
        return nullptr;
    }
    if (!IsWindowVisible(control) || !IsWindowEnabled(control)) {
        ADD_FAILURE() << "control " << id << " is " << (IsWindowVisible(control) ? "disabled" : "hidden")
                      << ": a user could not use it";
        return nullptr;
    }
    return control;
}

void Click(HWND dialog, int id)
{
    if (HWND control = Reachable(dialog, id))
        SendMessageA(control, BM_CLICK, 0, 0);
}

void PostClick(HWND dialog, int id)
{
    if (HWND control = Reachable(dialog, id))
        PostMessageA(control, BM_CLICK, 0, 0);
}

void Tick(HWND dialog, int id, bool checked)
{
    if (IsChecked(dialog, id) != checked)
        Click(dialog, id);
}

void Type(HWND dialog, int id, const char* text)
{
    HWND control = Reachable(dialog, id);
    if (!control)
        return;
    SendMessageA(control, EM_SETSEL, 0, -1);
    SendMessageA(control, WM_CLEAR, 0, 0);
    for (const char* c = text; *c; ++c)
        SendMessageA(control, WM_CHAR, static_cast<unsigned char>(*c), 1);
}

std::string WindowText(HWND window)
{
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    return text;
}

std::string Text(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

bool IsChecked(HWND dialog, int id)
{
    return SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool IsEnabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }

bool IsVisible(HWND dialog, int id) { return IsWindowVisible(GetDlgItem(dialog, id)) != FALSE; }

MessageBoxRecorder::MessageBoxRecorder()
{
    AfxSetMessageBoxHook([this](HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
        std::lock_guard<std::mutex> guard(m_lock);
        m_boxes.push_back({owner, text ? text : "", caption ? caption : "", type});
        if (!m_answers.empty()) {
            auto answer = m_answers.front();
            m_answers.erase(m_answers.begin());
            if (answer.second)
                answer.second();
            return answer.first;
        }
        switch (type & MB_TYPEMASK) {
        case MB_YESNO:
            return IDNO;
        case MB_OK:
            return IDOK;
        default:
            return IDCANCEL;
        }
    });
}

MessageBoxRecorder::~MessageBoxRecorder() { AfxSetMessageBoxHook(nullptr); }

void MessageBoxRecorder::Answer(int result, std::function<void()> action)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_answers.emplace_back(result, std::move(action));
}

std::vector<MessageBoxRecorder::Box> MessageBoxRecorder::Boxes() const
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_boxes;
}

HWND FindProcessWindow(DWORD pid, const std::function<bool(HWND)>& test)
{
    struct Search {
        DWORD pid;
        const std::function<bool(HWND)>* test;
        HWND found;
    } search{pid, &test, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(hwnd, &owner);
            if (owner == s->pid && IsWindowVisible(hwnd) && (*s->test)(hwnd)) {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::string ClassName(HWND window)
{
    char name[64] = "";
    GetClassNameA(window, name, sizeof(name));
    return name;
}

TitledWindow::TitledWindow(const char* title, bool visible)
    : m_hwnd(CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", title, WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, 10,
                             10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}

void TitledWindow::Close()
{
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

std::string MessageBoxText(HWND box)
{
    std::string longest;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM param) -> BOOL {
            char name[16] = "";
            GetClassNameA(child, name, sizeof(name));
            std::string text = WindowText(child);
            auto* best = reinterpret_cast<std::string*>(param);
            if (_stricmp(name, "Static") == 0 && text.size() > best->size())
                *best = text;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&longest));
    return longest;
}

ProgramRun::ProgramRun(const std::string& exe, const std::string& arguments)
{
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &m_process))
        m_process = PROCESS_INFORMATION{};
}

ProgramRun::~ProgramRun()
{
    if (!Started())
        return;
    if (Running()) {
        TerminateProcess(m_process.hProcess, 99);
        WaitForSingleObject(m_process.hProcess, 5000);
    }
    CloseHandle(m_process.hThread);
    CloseHandle(m_process.hProcess);
}

bool ProgramRun::Running() const
{
    return Started() && WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT;
}

long ProgramRun::Wait(DWORD timeoutMs)
{
    if (!Started() || WaitForSingleObject(m_process.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(m_process.hProcess, &code);
    return static_cast<long>(code);
}
