// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/NameEdit.h"

#include "model/Goal.h"

NameEdit::NameEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(Goal::kMaxNameLength);
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        const QString clean = OneLine(text);
        if (clean == text)
            return;
        const int cursor = cursorPosition();
        setText(clean);
        setCursorPosition(cursor);
    });
}

QString NameEdit::OneLine(QString text) {
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
            c.category() == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    return text;
}
