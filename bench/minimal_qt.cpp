// SPDX-License-Identifier: GPL-3.0-or-later
// The floor of the memory comparison: one window with one label, nothing else.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Vantrel"));
    label.resize(528, 354);
    label.show();
    return QApplication::exec();
}
