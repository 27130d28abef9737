// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/MessageText.h"

#include <QCoreApplication>

namespace {

// %1 to %9 in one pass, as the English is made, so an argument holding "%2" stays as it is.
QString Filled(const QString& text, const UserMessage::Part& part) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int index = text[i] == u'%' && i + 1 < text.size() ? text[i + 1].digitValue() - 1 : -1;
        if (index >= 0 && index < static_cast<int>(part.args.size())) {
            const std::string& arg = part.args[static_cast<std::size_t>(index)];
            out += (part.marked >> index & 1U) != 0 ? QCoreApplication::translate("UserMessage", arg.c_str())
                                                    : QString::fromStdString(arg);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace

QString MessageText::Of(const UserMessage& message) {
    if (message.parts.empty())
        return QString::fromStdString(message.text);
    QString text;
    for (const UserMessage::Part& part : message.parts)
        text += Filled(QCoreApplication::translate(part.context, part.text), part);
    return text;
}

QString MessageText::Caption(const UserMessage& message) {
    return message.caption.empty() ? QStringLiteral("Ordalune")
                                   : QCoreApplication::translate("UserMessage", message.caption.c_str());
}
