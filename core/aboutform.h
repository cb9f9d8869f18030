// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "windowdrag.h"

#include <QCoreApplication>
#include <QImage>
#include <QWidget>

// A borderless picture naming the product; dragged by the picture, closed by a double click.
class TAboutForm : public QWidget
{
    Q_DECLARE_TR_FUNCTIONS(TAboutForm)

public:
    TAboutForm();

    const QImage& Image() const { return m_image; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage m_image;
    WindowDrag m_drag;
};
