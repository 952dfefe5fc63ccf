// SPDX-License-Identifier: MIT
#include "card/MenuFileWriter.h"

#include "core/DurableFile.h"
#include "core/OutputWriter.h"

namespace quorvex {

bool writeMenuFile(CameraSettingsRecord record, std::string_view folder, RecordKind kind,
                   const MenuMessages& messages, LanguageId language, ui::InfoMessages& out) {
    if (!checkOutputFolder(folder, kMenuFileName, language, out))
        return false;
    const auto bytes = record.seal();
    const Message& success =
        kind == RecordKind::Configuration ? messages.configuration : messages.factorySettings;
    return writeOutputFile(outputFilePath(folder, kMenuFileName), bytes,
                           messageFor(success, language), language, out);
}

} // namespace quorvex
