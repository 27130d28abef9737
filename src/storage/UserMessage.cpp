// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/UserMessage.h"

std::string UserMessage::Part::English() const {
    std::string out;
    for (const char* c = text; *c != '\0'; ++c) {
        // %1 to %9 in one pass, so an argument that holds "%2" is never read again as a marker
        const std::size_t index =
            c[0] == '%' && c[1] >= '1' && c[1] <= '9' ? static_cast<std::size_t>(c[1] - '1') : args.size();
        if (index < args.size()) {
            out += args[index];
            ++c;
        } else {
            out += *c;
        }
    }
    return out;
}

UserMessage UserMessage::Of(std::vector<Part> parts, std::string caption, Icon icon) {
    UserMessage message{{}, std::move(caption), icon, {}};
    message.Append(std::move(parts));
    return message;
}

UserMessage& UserMessage::Append(std::vector<Part> more) {
    if (parts.empty() && !text.empty())
        parts.push_back({"", "%1", {text}}); // a text of no template stays as it is
    for (Part& part : more) {
        text += part.English();
        parts.push_back(std::move(part));
    }
    return *this;
}
