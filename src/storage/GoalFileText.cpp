// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/GoalFileText.h"

#include "storage/CdfFile.h"

namespace {

void AppendField(std::string& line, std::string_view field, bool first) {
    CdfFile::AppendField(line, field, first);
}

void EndLine(std::string& line) { line += CdfFile::kLineEnd; }

} // namespace

const std::string& GoalFileText::Of(const GoalList& goals, const std::string& userName) {
    m_text.clear();
    AppendField(m_text, std::string(kVersionKey) + std::to_string(kVersion), true);
    EndLine(m_text);
    AppendField(m_text, std::string(kUserKey) + userName, true);
    EndLine(m_text);
    m_lines.resize(static_cast<std::size_t>(goals.GetCount()));
    for (int i = 0; i < goals.GetCount(); ++i) {
        const Goal& goal = goals.GetAt(i);
        Line& line = m_lines[static_cast<std::size_t>(i)];
        const std::int32_t total = goal.GetTotal().GetTotalSeconds() / 60;
        const std::int32_t remaining = goal.GetRemaining().GetTotalSeconds() / 60;
        if (line.total != total || line.remaining != remaining || line.name != goal.GetName()) {
            line.name = goal.GetName();
            line.total = total;
            line.remaining = remaining;
            line.text.clear();
            AppendField(line.text, goal.GetName(), true);
            AppendField(line.text, goal.GetTotal().Format("%H:%M"), false);
            AppendField(line.text, goal.GetRemaining().Format("%H:%M"), false);
            EndLine(line.text);
        }
        m_text += line.text;
    }
    return m_text;
}
