// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tcolor.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

enum TTrendStyle { tsBar, tsLine, tsScatter, tsFilled };
enum TTrendOption { toTwin };

class TTrendOptions
{
public:
    TTrendOptions() = default;
    TTrendOptions(std::initializer_list<TTrendOption> options)
    {
        for (auto option : options)
            m_bits |= 1u << option;
    }
    bool contains(TTrendOption option) const { return m_bits & (1u << option); }
    bool operator==(const TTrendOptions&) const = default;

private:
    unsigned m_bits = 0;
};

// A strip chart of one or two integer series scrolling from right to left: each new value enters
// at the right edge, the oldest leaves at the left. The picture is composed off-screen and copied
// in one go; changes only request a repaint, so several in a row cost one paint.
class TTrend : public QWidget
{
public:
    explicit TTrend(QWidget* parent = nullptr);

    std::int32_t MinVal() const { return m_minVal; }
    void SetMinVal(std::int32_t value);
    std::int32_t MaxVal() const { return m_maxVal; }
    void SetMaxVal(std::int32_t value);
    std::int32_t Divisions() const { return m_divisions; }
    // At least 2; the series keep their oldest values and grow with zeros.
    void SetDivisions(std::int32_t value);
    TTrendOptions Options() const { return m_options; }
    void SetOptions(TTrendOptions value);
    TTrendStyle Style() const { return m_style; }
    void SetStyle(TTrendStyle value);
    TColor ColorDataA() const { return m_colorDataA; }
    void SetColorDataA(TColor value);
    TColor ColorDataB() const { return m_colorDataB; }
    void SetColorDataB(TColor value);
    TColor Color() const { return m_color; }
    void SetColor(TColor value);
    std::int32_t BorderWidth() const { return m_borderWidth; }
    void SetBorderWidth(std::int32_t value);

    // Shift the series one slot toward the oldest and store the value, clamped to the range.
    void AddDataA(std::int32_t value);
    void AddDataB(std::int32_t value);
    void ClearDataA();
    void ClearDataB();

    const std::vector<std::int32_t>& dataA() const { return m_dataA; }
    const std::vector<std::int32_t>& dataB() const { return m_dataB; }

    // The control's picture at its current size, as a paint draws it.
    QImage render() const;
    // How many paints the control has done; several changes in a row cost one.
    int paintCount() const { return m_paintCount; }

    std::function<void(QMouseEvent*)> OnMouseDown;
    std::function<void(QMouseEvent*)> OnMouseMove;
    std::function<void()> OnDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    template<typename T>
    void setProperty(T& field, T value);
    void add(std::vector<std::int32_t>& series, std::int32_t value);
    void draw(QImage& image) const;
    struct Canvas;
    void drawBars(const Canvas& canvas) const;
    void drawLines(const Canvas& canvas) const;
    void drawScatter(const Canvas& canvas) const;
    void drawFilled(const Canvas& canvas) const;
    // The series drawn: A, and B beside it on a twin graph. Asked at every paint, so it only
    // points into the series.
    std::span<const std::vector<std::int32_t>* const> plotted() const;

    std::int32_t m_minVal = 0;
    std::int32_t m_maxVal = 100;
    std::int32_t m_divisions = 2;
    TTrendOptions m_options { toTwin };
    TTrendStyle m_style = tsBar;
    TColor m_colorDataA = clLime;
    TColor m_colorDataB = clRed;
    TColor m_color = clBtnFace;
    std::int32_t m_borderWidth = 1;
    std::vector<std::int32_t> m_dataA;
    std::vector<std::int32_t> m_dataB;
    const std::array<const std::vector<std::int32_t>*, 2> m_series { &m_dataA, &m_dataB };
    int m_paintCount = 0;
    // A repaint was asked for since the last paint began: the next sample rides on it.
    bool m_repaintAsked = false;
};
