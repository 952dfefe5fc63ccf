// SPDX-License-Identifier: MIT
#include "app/CSetupApp.h"
#include "app/CSetupDlg.h"
#include "app/FilePreferencesStore.h"
#include "ui/MemoryHost.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <sstream>

namespace quorvex {
namespace {

// A configurator that records what it saw and leaves with Exit (button 2).
class ProbeForm final : public ui::Dialog {
  public:
    explicit ProbeForm(AppContext& context) : m_context(context) {}
    const ui::DialogTemplate& dialogTemplate() const override {
        static constexpr ui::ControlSpec kControls[] = {
            {2, ui::ControlKind::Button, "Exit", 5, 5, 40, 14}};
        static const ui::DialogTemplate kTemplate{999, "Probe", 60, 30, kControls};
        return kTemplate;
    }
    std::string_view className() const override { return "CQuorvexCameraMenu"; }
    void onInit(ui::DialogWindow& window) override {
        Dialog::onInit(window);
        seenModel = m_context.state.modelId;
        seenLanguage = m_context.state.languageId;
    }
    static inline int seenModel = -1, seenLanguage = -1;

  private:
    AppContext& m_context;
};

class ApplicationLoop : public ::testing::Test {
  protected:
    using Action = std::function<void(ui::MemoryHost&)>;
    CSetupApp::Outcome run(std::vector<Action> actions, std::uint16_t systemId = 1033) {
        std::deque<Action> queue(actions.begin(), actions.end());
        m_host.setStep([queue](ui::ScriptedHost& h) mutable {
            if (queue.empty())
                return false;
            auto a = std::move(queue.front());
            queue.pop_front();
            a(static_cast<ui::MemoryHost&>(h));
            return true;
        });
        FilePreferencesStore store(m_dir.file("prefs"), 2);
        CSetupApp app(store, m_host, m_forms);
        const auto outcome = app.run(systemId);
        m_state = app.state();
        return outcome;
    }

    testing::TempDir m_dir;
    std::ostringstream m_out;
    ui::Transcript m_transcript{m_out};
    ui::MemoryHost m_host{m_transcript};
    FormRegistry m_forms;
    AppState m_state;
};

TEST_F(ApplicationLoop, ExitFromAConfiguratorShowsAFreshMainWindow) {
    m_forms.add(CameraForm::Generic, "CQuorvexCameraMenu",
                [](AppContext& c) { return std::make_unique<ProbeForm>(c); });
    const auto outcome = run({
        [](ui::MemoryHost& h) { h.userSelect(CSetupDlg::kLanguageList, 4); },
        [](ui::MemoryHost& h) { h.userSelect(CSetupDlg::kModelList, 4); },
        [](ui::MemoryHost& h) { h.userClick(CSetupDlg::kCameraButton); },
        [](ui::MemoryHost& h) { h.userClick(ui::kIdCancel); },
        [](ui::MemoryHost& h) {
            EXPECT_EQ(h.controlState(CSetupDlg::kLanguageList)->selected, 4);
            EXPECT_EQ(h.controlState(CSetupDlg::kModelList)->selected, 4);
            h.userClose();
        },
    });
    EXPECT_EQ(outcome, CSetupApp::Outcome::Ended);
    EXPECT_EQ(ProbeForm::seenModel, 5);
    EXPECT_EQ(ProbeForm::seenLanguage, 5);
    EXPECT_EQ(m_out.str(), "window CSetupDlg \"Quorvex\"\nclosed CSetupDlg\n"
                           "window CQuorvexCameraMenu \"Probe\"\nclosed CQuorvexCameraMenu\n"
                           "window CSetupDlg \"Quorvex\"\nclosed CSetupDlg\n");
}

TEST_F(ApplicationLoop, AButtonWithoutItsFormDoesNothing) {
    const auto outcome = run({
        [](ui::MemoryHost& h) { h.userClick(CSetupDlg::kMmsButton); },
        [](ui::MemoryHost& h) {
            EXPECT_TRUE(h.hasWindow());
            h.userKey(ui::Key::Esc);
        },
    });
    EXPECT_EQ(outcome, CSetupApp::Outcome::Ended);
    EXPECT_EQ(m_out.str(), "window CSetupDlg \"Quorvex\"\nclosed CSetupDlg\n");
}

TEST_F(ApplicationLoop, TheMainWindowRereadsTheModelFromTheStore) {
    m_forms.add(CameraForm::Generic, "CQuorvexCameraMenu",
                [](AppContext& c) { return std::make_unique<ProbeForm>(c); });
    const std::string prefs = m_dir.file("prefs");
    run({
        [](ui::MemoryHost& h) { h.userClick(CSetupDlg::kCameraButton); },
        [prefs](ui::MemoryHost& h) {
            FilePreferencesStore(prefs, 2).writeModel(9); // changed while the configurator was open
            h.userClick(ui::kIdCancel);
        },
        [](ui::MemoryHost& h) {
            EXPECT_EQ(h.controlState(CSetupDlg::kModelList)->selected, 8);
            h.userClose();
        },
    });
    EXPECT_EQ(m_state.modelId, 9);
}

TEST_F(ApplicationLoop, ChineseChosenOnAChineseSystemStaysChinese) {
    run({[](ui::MemoryHost& h) { h.userSelect(CSetupDlg::kLanguageList, 1); },
         [](ui::MemoryHost& h) { h.userSelect(CSetupDlg::kLanguageList, 0); },
         [](ui::MemoryHost& h) { h.userClose(); }},
        2052);
    EXPECT_EQ(m_state.languageId, 1);
    EXPECT_EQ(m_state.cameraLanguage(), 1);
    std::uint16_t stored = 0;
    FilePreferencesStore(m_dir.file("prefs"), 2).readLanguage(stored);
    EXPECT_EQ(stored, 1);
}

TEST(VersionLine, FourNumbersAfterThePrefix) {
    EXPECT_EQ(CSetupDlg::versionLine(2), "Version: 1.3.1.113");
    EXPECT_EQ(CSetupDlg::versionLine(3), "Programmversion : 1.3.1.113");
    EXPECT_EQ(CSetupDlg::versionLine(1), "程序版本: 1.3.1.113");
    EXPECT_EQ(CSetupDlg::downloadUrl(), "https://www.quorvex.example/about/downloaden.html");
}

} // namespace
} // namespace quorvex
