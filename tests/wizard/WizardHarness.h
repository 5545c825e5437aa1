// Runs a wizard frame modally on a user-interface thread for a test.
#pragma once
#include <memory>
#include <string>
#include <vector>
#include "app/DeployApp.h"
#include "app/DeployWizardDlg.h"
#include "support/UiDriver.h"
#include "wizard/WizardPage.h"

// What a scripted page answers the frame, and the calls it saw.
struct PageScript {
    int next = 0;
    int back = 0;
    UINT buttons = WIZB_BACK | WIZB_NEXT;
    BYTE included = 1;
    BYTE headerStyle = 0;
};

class ScriptedPage : public CWizardPage {
public:
    ScriptedPage(CDeployWizardDlg* wizard, int index, const PageScript& script, std::vector<std::string>* log)
        : CWizardPage(161, wizard), m_index(index), m_script(script), m_log(log)
    {
        Create(161, wizard);
        m_bIncluded = script.included;
        m_bHeaderStyle = script.headerStyle;
    }
    BOOL OnSetActive() override
    {
        Log("set");
        m_pWizard->SetWizardButtons(m_script.buttons);
        return TRUE;
    }
    BOOL OnKillActive() override { return Log("kill"), TRUE; }
    int OnWizardNext() override { return Log("next"), m_script.next; }
    int OnWizardBack() override { return Log("back"), m_script.back; }
    BOOL OnWizardFinish() override { return Log("finish"), TRUE; }

private:
    void Log(const char* what) { m_log->push_back(std::string(what) + std::to_string(m_index)); }
    int m_index;
    PageScript m_script;
    std::vector<std::string>* m_log;
};

// The program's wizard frame with scripted pages instead of its own.
class ScriptedWizard : public CDeployWizardDlg {
public:
    ScriptedWizard(std::vector<PageScript> scripts, std::vector<std::string>* log)
        : m_scripts(std::move(scripts)), m_log(log) {}

protected:
    BOOL OnInitDialog() override
    {
        CWizardDlg::OnInitDialog();
        for (size_t i = 0; i < m_scripts.size(); ++i)
            AddPage(new ScriptedPage(this, static_cast<int>(i), m_scripts[i], m_log));
        SetActivePage(0);
        return TRUE;
    }

private:
    std::vector<PageScript> m_scripts;
    std::vector<std::string>* m_log;
};

// Starts `Wizard` (constructed from `args`) modally and finds its window.
template <class Wizard>
struct WizardRun {
    template <class... Args>
    explicit WizardRun(Args... args)
    {
        ui = std::make_unique<UiThread>([this, args...] {
            // As at startup: the wizard is the application's main window.
            Wizard dialog(args...);
            wizard = &dialog;
            theApp.m_pMainWnd = &dialog;
            result = dialog.DoModal();
            theApp.m_pMainWnd = nullptr;
            wizard = nullptr;
        });
        frame = ui->WaitForDialog("Velmora Software Deployment Wizard");
    }

    // The visible page window.
    HWND ActivePage() const
    {
        HWND page = nullptr;
        ui->Invoke([&] { page = wizard->GetActivePage()->m_hWnd; });
        return page;
    }
    int ActiveIndex() const
    {
        int index = -1;
        ui->Invoke([&] { index = wizard->GetActiveIndex(); });
        return index;
    }

    Wizard* wizard = nullptr;
    INT_PTR result = 0;
    std::unique_ptr<UiThread> ui;
    HWND frame = nullptr;
};
