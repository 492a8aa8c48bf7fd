#pragma once

#include <array>
#include <unordered_map>

#include <QImage>
#include <QRectF>
#include <QWidget>

#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "pages/History.h"
#include "pages/PageSwitch.h"

class CanvasView;
class PictureButton;
class QComboBox;
class QLabel;
class QLineEdit;

// The program's one window. It owns the controls, the surfaces and the editor
// state; its handlers keep the names of the events they answer and call into
// the subsystems in the order the behaviour prescribes. Positions and sizes
// are kept in twips, as the layout computes them, and shown in pixels.
class MainWindow : public QWidget
{
    Q_OBJECT

  public:
    // screenTwips is the screen's size in twips; twipsPerPixel comes from the
    // screen's logical resolution (15 at 96 dpi).
    MainWindow(QSizeF screenTwips, double twipsPerPixel, QWidget* parent = nullptr);
    ~MainWindow() override;

    void startUp();
    void arrangeControls();
    void createHistorySlots();
    void canvasMoved(int button, int shift, float x, float y);
    void canvasPressed(int button, int shift, float x, float y);
    void canvasReleased(int button, int shift, float x, float y);
    void pageClicked(int index);

    EditorState& state() { return m_state; }
    Surface& canvas() { return m_canvas; }
    Surface& page(int index) { return m_pages.at(size_t(index)); }
    Surface& paletteStrip() { return m_paletteStrip; }
    CanvasView* canvasView() const { return m_canvasView; }
    CanvasView* paletteView() const { return m_paletteView; }
    QLineEdit* textEntry() const { return m_textEntry; }

    // A control's position and size in twips, as laid out.
    QRectF twipGeometry(const QWidget* control) const;
    QRectF pageGeometry(int index) const { return m_pageBoxes.at(size_t(index)); }
    QSizeF layoutScreen() const { return m_layoutScreen; }

    std::array<PictureButton*, 20> mainBar{};
    std::array<PictureButton*, 8> gridSizeBar{};
    std::array<PictureButton*, 4> symmetryBar{};
    std::array<PictureButton*, 10> pageButtons{};
    std::array<PictureButton*, 3> polygonMethodBar{};
    std::array<PictureButton*, 6> curveBar{};
    std::array<PictureButton*, 14> widthBar{};
    std::array<PictureButton*, 8> fillPatternBar{};
    std::array<PictureButton*, 2> fontStyleBar{};
    std::array<PictureButton*, 6> eraserBar{};
    QComboBox* sidesBox = nullptr;
    QComboBox* fontSizeBox = nullptr;
    QComboBox* fontNameBox = nullptr;
    QLabel* sidesLabel = nullptr;
    QLabel* textPreview = nullptr;
    // The cursor picture and the help picture; holders that are never shown.
    QImage cursorPicture;
    QImage helpPicture;
    // The history slots of each page, ring i for page i.
    std::array<HistoryRing, kPageCount> historyRings;

  private:
    void createControls();
    void createButtonBars();
    void createOptionBars();
    PictureButton* makeButton(double left, double top, double width, double height);
    QComboBox* makeCombo(const QString& text, double width, const QString& name);

    void place(QWidget* control, double left, double top, double width, double height);
    double leftOf(const QWidget* c) const { return m_twips.at(c).left(); }
    double topOf(const QWidget* c) const { return m_twips.at(c).top(); }
    double widthOf(const QWidget* c) const { return m_twips.at(c).width(); }
    double heightOf(const QWidget* c) const { return m_twips.at(c).height(); }
    void setLeft(QWidget* c, double v);
    void setTop(QWidget* c, double v);
    void setWidth(QWidget* c, double v);
    void setHeight(QWidget* c, double v);
    template <size_t N> void chain(const std::array<PictureButton*, N>& bar, double left);

    Surface& currentPage() { return m_pages.at(m_state.currentPage); }

    QSizeF m_screenTwips;
    QSizeF m_layoutScreen;
    double m_twipsPerPixel;
    EditorState m_state;
    Surface m_canvas;
    std::array<Surface, kPageCount> m_pages;
    std::array<QRectF, 10> m_pageBoxes;
    Surface m_paletteStrip;
    CanvasView* m_canvasView = nullptr;
    CanvasView* m_paletteView = nullptr;
    QLineEdit* m_textEntry = nullptr;
    std::unordered_map<const QWidget*, QRectF> m_twips;
};
