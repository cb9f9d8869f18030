// SPDX-License-Identifier: GPL-3.0-or-later
// One window with one label and nothing else: the floor of the memory comparison. With
// --ticking-caption, its caption changes once a second, as a connected monitor's does: what that
// alone costs in wake-ups on a desktop.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Vantrel"));
    label.resize(528, 354);
    QTimer tick;
    int seconds = 0;
    if (argc > 1 && std::strcmp(argv[1], "--ticking-caption") == 0) {
        QObject::connect(&tick, &QTimer::timeout, &label, [&label, &seconds] {
            ++seconds;
            label.setWindowTitle(QStringLiteral("Caption only - %1:%2")
                                     .arg(seconds / 60)
                                     .arg(seconds % 60, 2, 10, QLatin1Char('0')));
        });
        tick.start(1000);
    }
    label.show();
    return QApplication::exec();
}
