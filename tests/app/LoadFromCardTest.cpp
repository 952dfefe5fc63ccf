// SPDX-License-Identifier: MIT
#include "app/ConfiguratorDispatch.h"
#include "app/FormRegistry.h"
#include "tools/forms/RegisterForms.h"
#include "ui/AppContext.h"
#include "ui/MemoryHost.h"
#include "ui/templates/CameraMenuIds.h"
#include "ui/templates/MmsIds.h"
#include "ui/templates/SmtpIds.h"

#include "support/NoPreferences.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace quorvex {
namespace {

using testing::NoPreferences;
using testing::readBytes;
using testing::TempDir;

namespace cam = ui::camera_ids;
namespace mms = ui::mms_ids;
namespace smtp = ui::smtp_ids;

// The buttons that choose the folder and generate, by configurator.
struct Buttons {
    int select;
    int generate;
};
Buttons buttonsOf(Configurator kind) {
    switch (kind) {
    case Configurator::Camera:
        return {cam::kFolderRow.select, ui::kIdOk};
    case Configurator::Mms:
        return {mms::kSelectFolder, ui::kIdOk};
    case Configurator::Smtp:
        return {smtp::kSelectFolder, smtp::kGenerate};
    }
    return {};
}

// One configurator of one model in the in-memory host; each run() opens a fresh form.
class Session {
  public:
    Session(int model, Configurator kind)
        : m_transcript(m_out), m_host(m_transcript), m_context{AppState{}, m_store, m_host},
          m_kind(kind) {
        m_context.state.modelId = model;
        m_context.state.languageId = kEnglish;
        m_context.state.tvMode = 1;
        registerForms(m_forms);
        m_host.fixClock({2024, 5, 6, 13, 45, 9});
    }

    ui::MemoryHost& host() { return m_host; }
    Configurator kind() const { return m_kind; }
    int model() const { return m_context.state.modelId; }

    void run(const std::function<void(ui::MemoryHost&)>& actions) {
        auto form = m_forms.create(*configuratorForm(m_context.state.modelId, m_kind), m_context);
        ASSERT_TRUE(form);
        bool done = false;
        m_host.setStep([&](ui::ScriptedHost& h) {
            if (!done) {
                done = true;
                actions(m_host);
            }
            h.userClick(ui::kIdCancel);
            return true;
        });
        m_host.run(*form);
    }

    void generateInto(const std::string& folder) {
        m_host.queueFolder(folder);
        m_host.userClick(buttonsOf(m_kind).select);
        m_host.userClick(buttonsOf(m_kind).generate);
    }

    void load(const std::string& folder) {
        ASSERT_TRUE(m_host.hasLoadMenu());
        m_host.queueFolder(folder);
        m_host.userMenuLoad();
    }

    // Every control as the driver sees it.
    std::string controls() {
        std::ostringstream out;
        ui::Transcript transcript(out);
        for (int id : m_host.controlIds())
            transcript.control(*m_host.controlState(id));
        return out.str();
    }

    std::vector<std::string> messages() const {
        std::vector<std::string> found;
        std::istringstream in(m_out.str());
        for (std::string line; std::getline(in, line);)
            if (line.rfind("message ", 0) == 0)
                found.push_back(line.substr(9, line.size() - 10));
        return found;
    }
    void forgetMessages() { m_out.str({}); }

  private:
    std::ostringstream m_out;
    ui::Transcript m_transcript;
    ui::MemoryHost m_host;
    NoPreferences m_store;
    AppContext m_context;
    FormRegistry m_forms;
    Configurator m_kind;
};

// A camera form filled as a user might: every list a person can reach picked at a position that
// varies with the list and the variant, every writable number edit given a small number.
void fillCamera(ui::MemoryHost& host, int variant) {
    for (int id : host.controlIds()) {
        const auto state = *host.controlState(id);
        if (state.kind == ui::ControlKind::List && state.visible && state.enabled &&
            state.items.size() > 1)
            host.userSelect(id, (id * 7 + variant * 3) % static_cast<int>(state.items.size()));
    }
    for (int id : host.controlIds()) {
        const auto state = *host.controlState(id);
        if (state.kind == ui::ControlKind::Edit && state.visible && !state.readOnly &&
            id != cam::kFolderRow.folder && id != cam::kClock.text)
            host.userType(id, std::to_string(1 + (id + variant) % 9));
    }
}

void fillMms(ui::MemoryHost& host, int variant) {
    if (variant == 0) {
        host.userSelect(mms::kCountry, 20);
        host.userSelect(mms::kOperator, 1);
        host.userType(mms::kPhoneNo, "13912345678");
        host.userType(mms::kEmail, "ranger@example.org");
        host.userType(mms::kRecipient2, "warden@example.org");
        host.userType(mms::kPicturesPerDay, "37");
        return;
    }
    host.userSelect(mms::kMode, 1);
    host.userType(mms::kUrl, "http://mms.example.net/mms");
    host.userType(mms::kApn, "mms.example");
    host.userType(mms::kGateway, "10.0.0.172");
    host.userType(mms::kPort, "8080");
    host.userType(mms::kAccount, "guest");
    host.userType(mms::kPassword, "sécret");
    host.userSelect(mms::kNumbering, 1);
    host.userType(mms::kPhoneNo, "+4915112345678");
    host.userType(mms::kEmail, "ranger@example.org");
    host.userSelect(mms::kSend, 0);
    host.userType(mms::kPicturesPerDay, "5");
}

void fillSmtp(ui::MemoryHost& host, int variant, const smtp::FamilyIds& f) {
    if (variant == 1) {
        host.userSelect(smtp::kMode, 1);
        host.userType(smtp::kApn, "cmnet");
        host.userType(smtp::kAccount, "gprs");
        host.userType(smtp::kGprsPassword, "pässword");
    } else {
        host.userSelect(smtp::kCountry, 3);
        host.userSelect(smtp::kOperator, 1);
    }
    host.userType(smtp::kServer, "smtp.example.org");
    host.userType(smtp::kPort, "465");
    host.userType(smtp::kSenderEmail, "jäger@example.org");
    host.userType(smtp::kSenderPassword, "secret");
    host.userType(smtp::kRecipient, "ranger@example.org");
    host.userType(smtp::kPicturesPerDay, "12");
    if (f.status != 0)
        host.userSelect(f.status, 2);
    host.userSelect(f.remote, 5 + variant);
    host.userType(f.phone, "13800001111");
}

void fill(Session& s, int variant) {
    switch (s.kind()) {
    case Configurator::Camera:
        fillCamera(s.host(), variant);
        break;
    case Configurator::Mms:
        fillMms(s.host(), variant);
        break;
    case Configurator::Smtp:
        fillSmtp(s.host(), variant,
                 modelFacts(s.model()).smtp == SmtpLayout::P4 ? smtp::kP4 : smtp::kK4);
        break;
    }
}

std::string fileOf(Configurator kind) {
    return kind == Configurator::Camera ? "menu.dat"
           : kind == Configurator::Mms  ? "setup.dat"
                                        : "smtp.dat";
}

// Every form of every model: a file written from a filled form, loaded into a fresh form, is
// written again byte for byte; the camera's clock is the moment of the second writing, not the
// file's.
TEST(LoadFromCard, EveryFormOfEveryModelWritesWhatItLoaded) {
    for (int model = 0; model <= kModelCount; ++model) {
        for (Configurator kind : {Configurator::Camera, Configurator::Mms, Configurator::Smtp}) {
            if (!configuratorEnabled(model, kind))
                continue;
            for (int variant = 0; variant < 2; ++variant) {
                SCOPED_TRACE("model " + std::to_string(model) + " " + fileOf(kind) + " variant " +
                             std::to_string(variant));
                Session s(model, kind);
                TempDir first, second;
                s.run([&](ui::MemoryHost&) {
                    fill(s, variant);
                    s.generateInto(first.path());
                });
                s.host().fixClock({2030, 12, 31, 23, 59, 58});
                s.run([&](ui::MemoryHost&) {
                    s.load(first.path());
                    s.generateInto(second.path());
                });
                const auto written = readBytes(first.file(fileOf(kind)));
                auto again = readBytes(second.file(fileOf(kind)));
                ASSERT_FALSE(written.empty());
                ASSERT_EQ(again.size(), written.size());
                if (kind == Configurator::Camera) {
                    EXPECT_EQ(std::vector<int>(again.begin() + 14, again.begin() + 20),
                              (std::vector<int>{20, 12, 31, 23, 59, 58}));
                    // The first clock back in, and the checksum of the record with it.
                    std::copy(written.begin() + 14, written.begin() + 20, again.begin() + 14);
                    std::copy(written.begin() + 56, written.begin() + 58, again.begin() + 56);
                }
                EXPECT_EQ(again, written);
                for (const std::string& message : s.messages())
                    EXPECT_EQ(message.find("not loaded"), std::string::npos) << message;
            }
        }
    }
}

// A file that cannot be loaded is named with its reason and leaves every control as it was.
void expectRefused(Session& s, const std::string& folder, const std::string& reason) {
    s.run([&](ui::MemoryHost&) {
        fill(s, 1);
        const std::string before = s.controls();
        s.forgetMessages();
        s.load(folder);
        EXPECT_EQ(s.controls(), before);
    });
    ASSERT_EQ(s.messages().size(), 1u);
    EXPECT_NE(s.messages()[0].find(reason), std::string::npos) << s.messages()[0];
}

TEST(LoadFromCard, RefusesDamagedForeignFactoryAndMissingFiles) {
    TempDir p4, damaged, factory, empty;
    Session p4Form(4, Configurator::Camera);
    p4Form.run([&](ui::MemoryHost& host) {
        fillCamera(host, 0);
        p4Form.generateInto(p4.path());
        p4Form.generateInto(damaged.path());
        p4Form.generateInto(factory.path());
        host.userClick(cam::kDefault);
    });
    auto bytes = readBytes(damaged.file("menu.dat"));
    bytes[7] ^= 1;
    testing::writeText(damaged.file("menu.dat"), std::string(bytes.begin(), bytes.end()));

    Session p4Again(4, Configurator::Camera);
    expectRefused(p4Again, damaged.path(),
                  "menu.dat is damaged and was not loaded (the checksum holds");
    expectRefused(p4Again, factory.path(), "menu.dat holds the factory reset record");
    expectRefused(p4Again, empty.path(), "menu.dat was not found in the chosen folder");
    Session k7(6, Configurator::Camera);
    expectRefused(k7, p4.path(),
                  "menu.dat was written for another camera model (P4 (ModelId 2, 4, 7, 10); ");
}

TEST(LoadFromCard, MessagingFormsRefuseTheOtherFormsFiles) {
    TempDir generic, k4;
    Session genericMms(1, Configurator::Mms); // MMS Send Off, VGA, QVGA, SMS
    genericMms.run([&](ui::MemoryHost& host) {
        host.userSelect(mms::kSend, 3);
        host.userType(mms::kPhoneNo, "13912345678");
        genericMms.generateInto(generic.path());
    });
    Session p4Mms(4, Configurator::Mms);
    expectRefused(p4Mms, generic.path(), "setup.dat was written for another camera model");

    Session k4Smtp(3, Configurator::Smtp);
    k4Smtp.run([&](ui::MemoryHost& host) {
        fillSmtp(host, 0, smtp::kK4);
        host.userSelect(smtp::kK4.remote, 25); // Off: only the K4 layout stores 1, 1, 25
        k4Smtp.generateInto(k4.path());
    });
    Session p4Smtp(4, Configurator::Smtp);
    expectRefused(p4Smtp, k4.path(), "smtp.dat was written for another camera model");
}

// Every form's folder chooser, for Select and for loading alike, opens at the only card while
// the form's folder is the default, and at the folder chosen since.
TEST(LoadFromCard, FolderChooserOpensAtTheCard) {
    for (Configurator kind : {Configurator::Camera, Configurator::Mms, Configurator::Smtp}) {
        Session s(0, kind);
        s.host().fakeRemovableVolumes({"/media/ann/CARD"});
        TempDir chosen;
        s.run([&](ui::MemoryHost& host) {
            host.userMenuLoad();
            EXPECT_EQ(host.lastStartFolder(), "/media/ann/CARD");
            host.userClick(buttonsOf(kind).select);
            EXPECT_EQ(host.lastStartFolder(), "/media/ann/CARD");
            host.queueFolder(chosen.path());
            host.userClick(buttonsOf(kind).select);
            host.userMenuLoad();
            EXPECT_EQ(host.lastStartFolder(), chosen.path());
        });
    }
}

} // namespace
} // namespace quorvex
