// SPDX-License-Identifier: MIT
#include "card/CardVerdict.h"

#include "card/MenuFileReader.h"
#include "card/MenuFileWriter.h"
#include "card/MmsFileReader.h"
#include "card/SmtpFileReader.h"

#include <vector>

namespace quorvex {

namespace {

// The best of several forms' verdicts: one that loads, else the factory record, else the first
// form's reason.
CardCheck bestOf(const std::vector<CardCheck>& checks) {
    for (CardVerdict wanted : {CardVerdict::Readable, CardVerdict::FactoryRecord})
        for (const CardCheck& check : checks)
            if (check.verdict == wanted)
                return check;
    for (const CardCheck& check : checks)
        if (check.verdict != CardVerdict::OtherLayout)
            return check;
    return checks.front();
}

CardCheck menuVerdict(std::span<const std::uint8_t> bytes, std::optional<int> modelId) {
    if (modelId)
        return readMenuFile(bytes, menuLayoutForModel(*modelId)).check;
    std::vector<CardCheck> checks;
    for (int id = 0; id <= kModelCount; ++id)
        checks.push_back(readMenuFile(bytes, menuLayoutForModel(id)).check);
    return bestOf(checks);
}

CardCheck setupVerdict(std::span<const std::uint8_t> bytes, std::optional<int> modelId) {
    if (modelId && modelFacts(*modelId).mms)
        return readMmsFile(bytes, modelFacts(*modelId).mmsSend).check;
    std::vector<CardCheck> checks;
    for (MmsSendList list : {MmsSendList::FourEntries, MmsSendList::ThreeEntries, MmsSendList::P4})
        checks.push_back(readMmsFile(bytes, list).check);
    return bestOf(checks);
}

CardCheck smtpVerdict(std::span<const std::uint8_t> bytes, std::optional<int> modelId) {
    if (modelId && modelFacts(*modelId).smtp)
        return readSmtpFile(bytes, *modelFacts(*modelId).smtp).check;
    return bestOf(
        {readSmtpFile(bytes, SmtpLayout::P4).check, readSmtpFile(bytes, SmtpLayout::K4).check});
}

} // namespace

std::string_view cardFileName(CardFile file) {
    switch (file) {
    case CardFile::Menu:
        return kMenuFileName;
    case CardFile::Setup:
        return kMmsFileName;
    case CardFile::Smtp:
        return kSmtpFileName;
    }
    return {};
}

CardCheck cardFileVerdict(CardFile file, std::span<const std::uint8_t> bytes,
                          std::optional<int> modelId) {
    switch (file) {
    case CardFile::Menu:
        return menuVerdict(bytes, modelId);
    case CardFile::Setup:
        return setupVerdict(bytes, modelId);
    case CardFile::Smtp:
        return smtpVerdict(bytes, modelId);
    }
    return {};
}

} // namespace quorvex
