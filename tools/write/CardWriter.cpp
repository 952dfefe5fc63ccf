// SPDX-License-Identifier: MIT
#include "tools/write/CardWriter.h"

#include "card/MenuFileWriter.h"
#include "core/InfoMessages.h"

namespace quorvex::write {

namespace {

// The writers tell a form's user through messages; here the one that matters is why a file was
// not written.
class CapturedMessages final : public ui::InfoMessages {
  public:
    void showInfoMessage(std::string_view text) override { m_last = text; }
    void fileWritten(std::string_view /*path*/, std::size_t /*size*/) override { m_written = true; }

    std::optional<std::string> failure() const {
        if (m_written)
            return std::nullopt;
        return m_last.empty() ? std::string("not written") : m_last;
    }

  private:
    std::string m_last;
    bool m_written = false;
};

} // namespace

std::optional<std::string> writePlan(const FilePlan& plan, std::string_view folder,
                                     const std::optional<camera_menu::ClockFields>& now) {
    CapturedMessages messages;
    if (const auto* menu = std::get_if<MenuFilePlan>(&plan.content)) {
        writeMenuFile(menuRecord(*menu, now), folder,
                      menu->factory ? RecordKind::FactorySettings : RecordKind::Configuration,
                      MenuMessages{}, kEnglish, messages);
    } else if (const auto* setup = std::get_if<SetupFilePlan>(&plan.content)) {
        MmsFileWriter::write(folder, setup->header, setup->texts, kEnglish, messages);
    } else if (const auto* smtp = std::get_if<SmtpFilePlan>(&plan.content)) {
        SmtpFileWriter::write(folder, smtp->header, smtp->texts, kEnglish, messages);
    }
    return messages.failure();
}

} // namespace quorvex::write
