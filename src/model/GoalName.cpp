// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/GoalName.h"

#include "model/GoalList.h"
#include "model/TranslationMark.h"

std::string GoalName::Clean(std::string_view name) {
    std::string clean;
    clean.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0;
        const auto third = i + 2 < name.size() ? static_cast<unsigned char>(name[i + 2]) : 0;
        if (byte < 0x20 || byte == 0x7f) {
            clean += ' ';
        } else if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) { // U+0080 to U+009F
            clean += ' ';
            ++i;
        } else if (byte == 0xe2 && next == 0x80 && (third == 0xa8 || third == 0xa9)) { // U+2028, U+2029
            clean += ' ';
            i += 2;
        } else {
            clean += name[i];
        }
    }
    const std::size_t begin = clean.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    return clean.substr(begin, clean.find_last_not_of(' ') - begin + 1);
}

int GoalName::Length(std::string_view name) {
    int units = 0;
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte & 0xc0) != 0x80) // a character starts: beyond U+FFFF it takes two units
            units += byte >= 0xf0 ? 2 : 1;
    }
    return units;
}

GoalName::Refused GoalName::Refusal(std::string_view cleaned) {
    // Marked as the storage's messages are, for the window to translate
    if (Length(cleaned) > kMaxLength)
        return {ORDALUNE_TRANSLATE("GoalName", "A goal's name is at most %1 characters long."),
                std::to_string(kMaxLength)};
    if (cleaned == GoalList::kPlaceholderName)
        return {ORDALUNE_TRANSLATE(
                    "GoalName", "\"%1\" is what the list shows when it holds no goal: choose another name."),
                std::string(GoalList::kPlaceholderName)};
    return {};
}
