// Memo layout and the drawing of report objects (memos, pictures, lines, frames) at any scale.
#pragma once

#include "rpModel.h"

#include <QFont>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <array>

class QPainter;

// Report fonts: "Arial" and "Times New Roman" are drawn with their metric twins. The
// substitutions are registered once, here, for the whole program.
void RegistrarSubstituicoesDeFonte();

// Decoded pictures are kept for redrawing, the oldest given up first: at most this many, and at
// most this many bytes besides the one drawn last (a damaged prepared report may hold many large
// pictures). What they hold now, for tests.
inline constexpr std::size_t rpMaximoGraficosGuardados = 16;
inline constexpr qsizetype rpLimiteBytesGraficos = qsizetype(64) << 20;
qsizetype rpBytesGraficosGuardados();

// A font at a pixel size with its metrics; character advances are measured once, when first
// needed, and kept (the Latin-1 range in a table), so measuring a line costs one look-up per
// character.
class TrpFonteMedida {
public:
    TrpFonteMedida(const TrpFont& fonte, int pixels);
    const QFont& font() const { return m_font; }
    int pixels() const { return m_pixels; }
    double ascent() const { return m_ascent; }
    double largura(QStringView texto) const;
    double largura(QChar c) const;

private:
    QFont m_font;
    int m_pixels = 0;
    double m_ascent = 0;
    mutable std::array<float, 256> m_latin1{}; // NaN: not measured yet
    mutable QHash<char16_t, double> m_outros;
};

// The measured font for a report font at a pixel size, from a cache that lives for the run.
const TrpFonteMedida& FonteMedida(const TrpFont& fonte, int pixels);

// Character height in pixels of a font drawn on screen or measured at scale `escalaY`:
// round(points x 96 / 72 x scale). Arial 8 pt at scale 1 is 11 pixels.
int PixelsDaFonte(int pontos, double escalaY);

// How objects are drawn: pixels per unit across and down, and whether the target is a
// printer (where a font keeps its point size at the printer's resolution).
struct TrpEscala {
    double x = 1.0, y = 1.0;
    bool impressora = false;
    double dpiY = 96.0; // the printer's resolution down, used when impressora is true

    int pixelsDaFonte(int pontos) const;
    double alturaLinha(int pontos) const; // character height + line spacing (2) x scale
};

// Insets inside a memo's box at a scale: across round(fw x s / 2) + 2, down
// round(fw x s / 2) / 2 + 1 (halves rounded to even).
int InsetHorizontal(double larguraMoldura, double escala);
int InsetVertical(double larguraMoldura, double escala);

// Greedy word wrap of a memo's text lines into output lines no wider than `largura`: lines
// end after a blank (dropped), a comma, a hyphen or a full stop; a word that fits nowhere is
// cut where the width is exceeded. Carriage returns and line feeds always end a line.
QStringList QuebrarLinhas(const QStringList& memo, const TrpFonteMedida& fonte, double largura,
                          bool quebrar);

// Height of a memo's content at a scale: output lines x line height + 2 x vertical inset.
double AlturaConteudo(const TrpMemoView& memo, const TrpEscala& escala);
// The same for given text lines and width in units (the expanded text during preparation).
double AlturaConteudo(const TrpMemoView& memo, const QStringList& linhas, int dx,
                      const TrpEscala& escala);

// Auto size: a memo with text takes the width of its widest line measured at scale 1, plus
// twice the frame width, plus 2 units; one aligned right or justified keeps its right edge.
void AjustarAutoTamanho(TrpMemoView& memo);
// The same for given text lines: updates x and dx.
void CalcularAutoTamanho(const TrpMemoView& memo, const QStringList& linhas, int& x, int& dx);

// Draws one object with its box at `caixa` (device pixels).
void DesenharObjeto(QPainter& painter, const TrpView& objeto, const QRectF& caixa,
                    const TrpEscala& escala);

// COLORREF (0x00BBGGRR) to a colour; system colour codes give black or white.
QColor CorDoRegistro(std::uint32_t cor);
