// SPDX-License-Identifier: MIT
#include "core/OutputWriter.h"

#include "core/DurableFile.h"

namespace quorvex {

std::string formatPercentS(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    auto next = args.begin();
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size() && format[i + 1] == 's' &&
            next != args.end()) {
            out += *next++;
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string cannotWriteText(LanguageId language, std::string_view path, std::string_view reason) {
    return formatPercentS(messageFor(kCannotWriteMessage, language), {path, reason});
}

void reportCannotWrite(std::string_view path, const WriteOutcome& outcome, LanguageId language,
                       ui::InfoMessages& messages) {
    const std::string text = cannotWriteText(language, path, outcome.reason);
    if (outcome.refused)
        messages.showWarningMessage(text + "\n" +
                                    std::string(messageFor(kWriteProtectedHint, language)));
    else
        messages.showInfoMessage(text);
}

std::string writtenText(std::string_view successText, std::string_view path) {
    return std::string(successText) + "\n" + std::string(path);
}

bool checkOutputFolder(std::string_view folder, std::string_view fileName, LanguageId language,
                       ui::InfoMessages& messages) {
    if (!folder.empty())
        return true;
    static constexpr Message kNoFolder{"no folder chosen", "未选择文件夹"};
    messages.showInfoMessage(cannotWriteText(language, fileName, messageFor(kNoFolder, language)));
    return false;
}

bool writeOutputFile(const std::string& path, std::span<const std::uint8_t> bytes,
                     std::string_view successText, LanguageId language,
                     ui::InfoMessages& messages) {
    const WriteOutcome outcome = writeFileDurably(path, bytes);
    if (!outcome.ok) {
        reportCannotWrite(path, outcome, language, messages);
        return false;
    }
    messages.fileWritten(path, bytes.size());
    messages.showInfoMessage(writtenText(successText, path));
    return true;
}

} // namespace quorvex
