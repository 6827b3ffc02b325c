// The preview control: lays out, draws, scrolls and zooms prepared pages; opens, saves, prints.
#pragma once

#include "rpModel.h"

#include <QDialog>
#include <QHash>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class QScrollBar;
class QSpinBox;
class QToolButton;
class TrpPreparedPages;

// What the user chose in the print dialog of the preview control.
struct TrpPrintChoice {
    QString printerName;
    int copies = 1;
    enum Range { All, CurrentPage, Numbers } range = All;
    QString numbers;
};

// The page list handed to the printing routine: empty for all pages, the current page number,
// or the text typed after "Numbers:".
QString rpPageListOf(const TrpPrintChoice& choice, int currentPage);

// The print dialog of the preview control: printer list with "Properties", copies, page range.
// In set-up mode only the printer group is shown.
class TrpPrintDialog : public QDialog {
    Q_OBJECT
public:
    TrpPrintDialog(QPrinter& printer, bool setupOnly, QWidget* parent = nullptr);

    TrpPrintChoice choice() const;
    void setChoice(const TrpPrintChoice& choice);

private:
    void propertiesClick();
    void escolherImpressora();

    QPrinter& m_printer;
    QComboBox* m_printers = nullptr;
    QSpinBox* m_copies = nullptr;
    QRadioButton* m_all = nullptr;
    QRadioButton* m_current = nullptr;
    QRadioButton* m_numbers = nullptr;
    QLineEdit* m_numbersEdit = nullptr;
};

class TrpPreview : public QWidget {
    Q_OBJECT
public:
    enum ZoomMode { ZoomNone = 0, ZoomPageWidth, ZoomWholePage, ZoomTwoPages };

    explicit TrpPreview(QWidget* parent = nullptr);
    ~TrpPreview() override;

    // Takes the pages over; the caller keeps an empty set. Goes to page 1, scroll offsets 0,
    // applies the remembered zoom and mode, lays out and repaints.
    void takePages(std::unique_ptr<TrpPreparedPages> pages);

    const TrpPreparedPages* pages() const { return m_pages.get(); }
    bool hasPages() const;
    int pageCount() const;
    int currentPage() const { return m_currentPage; }

    // Zoom as a percentage (100 = one screen pixel per template unit). Setting it selects mode
    // none, lays out and repaints.
    double zoom() const { return m_zoom * 100.0; }
    void setZoom(double percent);
    ZoomMode zoomMode() const { return m_mode; }
    void fitWholePage();
    void fitPageWidth();

    // The remembered popup-menu choice: used as the starting zoom of every later preview.
    static ZoomMode rememberedMode() { return s_mode; }
    static void setRemembered(double factor, ZoomMode mode);

    // Page buttons.
    void previousPage();
    void nextPage();
    void goToPage(int page); // 1-based, clamped

    // Applies the popup menu's choice `index` ("200%" ... "&Two pages").
    void choosePopup(int index);

    // Open, save and print: each does nothing without pages. open/save throw std::runtime_error
    // on a file that cannot be read or written; a failed open keeps the current pages.
    void openFile();
    void saveFile();
    void print();

    // The printer used by print and the file's printer name.
    void setPrinter(QPrinter* printer) { m_printer = printer; }
    QPrinter* printer() const { return m_printer; }
    // The printable areas a prepared-report file's pages are read with (none: the engine's own).
    rpMetricas metricasImpressora;

    // This control's dialog steps, replaceable by its owner (tests answer them); the defaults
    // show the real dialogs.
    // File: returns the chosen file name or an empty string on cancel.
    std::function<QString(QWidget* parent, bool save, const QString& filter)> fileDialog;
    // Print: returns false on cancel.
    std::function<bool(QWidget* parent, QPrinter& printer, bool setupOnly, TrpPrintChoice& choice)>
        printDialog;
    // Prints the pages (page list, copies) on the printer; when empty (the default) the
    // engine's printing routine does it.
    std::function<void(const TrpPreparedPages& pages, QPrinter& printer, const QString& pageList,
                       int copies)>
        printPages;

    // Layout results, for the window and for checks.
    QRect pageRect(int index) const; // in page-area coordinates, scroll offsets applied
    QWidget* area() const { return m_area; }
    QScrollBar* verticalBar() const { return m_vbar; }
    QScrollBar* horizontalBar() const { return m_hbar; }
    QLabel* pageLabel() const { return m_label; }
    QToolButton* previousButton() const { return m_prev; }
    QToolButton* nextButton() const { return m_next; }

signals:
    void zoomChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class TrpPreviewArea;
    void dispor(); // layout
    void posicionarControles();
    void atualizarRotulo();
    void voltarAoInicio(); // scroll offsets to 0, layout, label
    void paginaPelaRolagem();
    void pintar(QPainter& painter, const QRect& exposed);
    QPixmap imagemDaPagina(int index, const QSize& size, qreal dpr);
    void mostrarMenu(const QPoint& globalPos);

    std::unique_ptr<TrpPreparedPages> m_pages;
    double m_zoom = 1.0;
    ZoomMode m_mode = ZoomNone;
    int m_currentPage = 0;
    std::vector<QRect> m_rects; // page rectangles in document coordinates
    bool m_rolandoPorBotao = false;
    QPrinter* m_printer = nullptr;

    QWidget* m_area = nullptr;
    QScrollBar* m_vbar = nullptr;
    QScrollBar* m_hbar = nullptr;
    QToolButton* m_prev = nullptr;
    QToolButton* m_next = nullptr;
    QLabel* m_label = nullptr;

    // Rendered pages of the current layout, keyed by page index; only pages in view are kept.
    QHash<int, QPixmap> m_cache;

    static double s_zoom;
    static ZoomMode s_mode;
};
