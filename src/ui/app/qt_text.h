#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace bulbicalc::ui {

// Core strings are UTF-8.
inline QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
inline std::string utf8(const QString& text)
{
    return text.toStdString();
}

// Captions that mark their shortcut letter with "&" show without it; Qt draws
// the underline itself from the same "&".
// Advice captions separate their lines with a single carriage return; Qt wraps
// at line feeds, so the carriage return is shown as a line break.
inline QString shownCaption(std::string_view caption)
{
    QString text = qt(caption);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace bulbicalc::ui
