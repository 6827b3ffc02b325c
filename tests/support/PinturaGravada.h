// Test helper: a paint device that records what is drawn on it (texts with their origins,
// fonts and clip, rectangles and lines with their pens) instead of rasterising it, so drawing
// can be checked in device pixels.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QLineF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QRectF>
#include <QString>
#include <QTextItem>
#include <vector>

class PinturaGravada : public QPaintDevice {
public:
    struct Texto {
        QPointF origem; // the baseline's start
        QString texto;
        QFont fonte;
        QRectF recorte; // empty when no clip is set
        double topo() const { return origem.y() - QFontMetricsF(fonte).ascent(); }
        double largura() const { return QFontMetricsF(fonte).horizontalAdvance(texto); }
    };
    struct Linha {
        QLineF linha;
        double largura; // of the pen
    };
    struct Retangulo {
        QRectF retangulo;
        double largura; // of the pen
        bool comCaneta;
    };

    std::vector<Texto> textos;
    std::vector<Linha> linhas;
    std::vector<Retangulo> retangulos;

    explicit PinturaGravada(QSize tamanho = QSize(2000, 2000)) : m_tamanho(tamanho) {
        m_motor.dono = this;
    }
    QPaintEngine* paintEngine() const override { return &m_motor; }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return m_tamanho.width();
        case PdmHeight:
            return m_tamanho.height();
        case PdmWidthMM:
            return m_tamanho.width() * 254 / 960;
        case PdmHeightMM:
            return m_tamanho.height() * 254 / 960;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        case PdmNumColors:
            return 1 << 24;
        case PdmDepth:
            return 32;
        }
        return 0;
    }

private:
    class Motor : public QPaintEngine {
    public:
        PinturaGravada* dono = nullptr;
        Motor() : QPaintEngine(QPaintEngine::AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState& estado) override {
            const auto sujo = estado.state();
            if (sujo & DirtyPen) m_caneta = estado.pen();
            if (sujo & DirtyClipPath)
                m_recorte = estado.clipOperation() == Qt::NoClip ? QRectF()
                                                                 : estado.clipPath().boundingRect();
            if (sujo & DirtyClipRegion)
                m_recorte = estado.clipOperation() == Qt::NoClip
                                ? QRectF()
                                : QRectF(estado.clipRegion().boundingRect());
            if ((sujo & DirtyClipEnabled) && !estado.isClipEnabled()) m_recorte = QRectF();
        }
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            dono->textos.push_back({p, item.text(), item.font(), m_recorte});
        }
        void drawLines(const QLineF* l, int n) override {
            for (int i = 0; i < n; ++i)
                dono->linhas.push_back({l[i], m_caneta.widthF()});
        }
        void drawLines(const QLine* l, int n) override {
            for (int i = 0; i < n; ++i)
                dono->linhas.push_back({QLineF(l[i]), m_caneta.widthF()});
        }
        void drawRects(const QRectF* r, int n) override {
            for (int i = 0; i < n; ++i)
                dono->retangulos.push_back(
                    {r[i], m_caneta.widthF(), m_caneta.style() != Qt::NoPen});
        }
        void drawRects(const QRect* r, int n) override {
            for (int i = 0; i < n; ++i)
                dono->retangulos.push_back(
                    {QRectF(r[i]), m_caneta.widthF(), m_caneta.style() != Qt::NoPen});
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}

    private:
        QPen m_caneta;
        QRectF m_recorte;
    };

    QSize m_tamanho;
    mutable Motor m_motor;
};
