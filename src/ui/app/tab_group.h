#pragma once

#include <QAbstractSpinBox>
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPalette>
#include <QString>

namespace bulbicalc::ui {

// Each tab sheet is filled by one group box painted in the system's menu
// colour; the controls on it take the same background.
inline void paintInMenuColour(QGroupBox* group)
{
    QPalette palette = group->palette();
    palette.setBrush(QPalette::Window, QApplication::palette("QMenu").brush(QPalette::Window));
    group->setPalette(palette);
    group->setBackgroundRole(QPalette::Window);
    group->setAutoFillBackground(true);
}

// A spin control and its edit field are one spin box; its inner edit is named
// like the edit control, so it can be found by that name.
inline void nameSpinEdit(QAbstractSpinBox* spin, const char* editName)
{
    if (auto* edit = spin->findChild<QLineEdit*>())
        edit->setObjectName(QString::fromLatin1(editName));
}

} // namespace bulbicalc::ui
