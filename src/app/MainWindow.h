// SPDX-FileCopyrightText: 2026 The Lienzo project
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <future>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include <QImage>
#include <QRectF>
#include <QStringList>
#include <QWidget>

#include "app/Artwork.h"
#include "app/StartupArtWorker.h"
#include "canvas/FramePacer.h"
#include "canvas/Surface.h"
#include "core/EditorState.h"
#include "pages/History.h"
#include "pages/PageSwitch.h"

class CanvasView;
class DrawingKeeper;
class PlatformServices;
struct StaleDrawing;
enum class MainCommand;
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
    // screen's logical resolution (15 at 96 dpi). The canvas repaints at most
    // once per display frame; only the benchmarks build a window that paints
    // every pointer move.
    MainWindow(QSizeF screenTwips, double twipsPerPixel, QWidget* parent = nullptr,
               FramePacer::Pacing pacing = FramePacer::Pacing::OncePerFrame);
    ~MainWindow() override;

    void startUp();
    void arrangeControls();
    void createHistorySlots();
    void canvasMoved(int button, int shift, float x, float y);
    void canvasPressed(int button, int shift, float x, float y);
    void canvasReleased(int button, int shift, float x, float y);
    void pageClicked(int index);
    // At start-up, with the window shown: a drawing kept by a program that
    // ended without its exit is offered back.
    void offerRecovery();
    // The keys with no button: redo, and the next or previous page.
    void redoRequested();
    void turnPage(int step);

    // The desktop's ways in and out. Files named on the command line open
    // onto the pages from the first on, before the window shows; once it
    // shows, windowShown() gives their messages, or offers a kept drawing
    // when no file was named. A drop opens files from the current page on.
    // Copy puts the current page on the clipboard; paste lays the clipboard's
    // picture over the current page's top-left corner.
    void startWithFiles(const QStringList& files);
    void windowShown();
    void filesDropped(const QStringList& files);
    void copyRequested();
    void pasteRequested();

    // The main command bar: every click hides the option bars, then selects a
    // tool and shows its bar, or runs a command.
    void mainBarClicked(int index);

    // Grid, symmetry and the constructions of the polygon and circle tools.
    void gridSizeClicked(int index);
    void symmetryClicked(int index);
    void polygonMethodClicked(int index);
    void curveModeClicked(int index);

    // Pen, fill and colour options.
    void widthClicked(int index);
    void fillPatternClicked(int index);
    void eraserSizeClicked(int index);
    void paletteClicked(int button, int shift, float x, float y);

    // Text options and the text entry.
    void fontSizeChosen();
    void fontNameChosen();
    void fontStyleClicked(int index);
    void textEdited();

    // File and colour dialogs, message boxes, the printer and ending the
    // program go through this; tests hand in scripted answers. The window
    // does not take ownership.
    void setPlatformServices(PlatformServices* services);

    EditorState& state() { return m_state; }
    Surface& canvas() { return m_canvas; }
    Surface& page(int index) { return m_pages.at(size_t(index)); }
    Surface& paletteStrip() { return m_paletteStrip; }
    DrawingKeeper& keeper() { return *m_keeper; }
    CanvasView* canvasView() const { return m_canvasView; }
    CanvasView* paletteView() const { return m_paletteView; }
    // The text entry is made right after the window first shows, or when
    // first asked for: making it (its fonts and the input method) takes
    // longer than all the other controls together.
    QLineEdit* textEntry();

    // A control's position and size in twips, as laid out.
    QRectF twipGeometry(const QWidget* control) const;
    QRectF pageGeometry(int index) const { return m_pageBoxes.at(size_t(index)); }
    QSizeF layoutScreen() const { return m_layoutScreen; }

    // The main command bar's button of a command (MainCommand's value).
    PictureButton* mainBarButton(int index) const { return m_mainBar.at(size_t(index)); }
    std::array<PictureButton*, 8> gridSizeBar{};
    std::array<PictureButton*, 4> symmetryBar{};
    std::array<PictureButton*, 10> pageButtons{};
    QLabel* textPreview = nullptr;

    // The bars a tool shows beside the page buttons. None shows until a tool
    // is chosen, so they are made the first time something needs them.
    struct OptionBars
    {
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
    };
    OptionBars& optionBars();
    // The font size the text tool starts with, in points.
    static constexpr int kStartFontSize = 18;
    // The size in pixels of the square buttons of the bars at the left edge,
    // on a screen of the given resolution.
    static QSize barButtonPixels(double twipsPerPixel);
    bool hasOptionBars() const { return m_optionBarsMade; }
    // The cursor picture and the help picture; holders that are never shown.
    QImage cursorPicture;
    QImage helpPicture;
    // The history slots of a page.
    const HistoryRing& historyRing(int page) const { return m_historyRings.at(size_t(page)); }

  protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createButtonBars();
    void createOptionBars();
    void arrangeOptionBars();
    void connectOptionBars();
    // The number of sides the polygon tool draws, as its box reads.
    QString sidesText() const;
    // What the text entry holds, empty before it is made.
    QString enteredText() const;
    PictureButton* makeButton(double left, double top, double width, double height);
    QComboBox* makeCombo(const QString& text, double width, const QString& name);
    double textTwips(const QFont& font, const QString& text) const;
    double comboTwips(const QComboBox* box) const;

    void place(QWidget* control, double left, double top, double width, double height);
    // The size in pixels a control of the given size in twips takes.
    QSize pixels(double width, double height) const;
    // The side of the square buttons of the bars at the left edge, in twips.
    static constexpr double kBarButton = 495;
    double leftOf(const QWidget* c) const { return m_twips.at(c).left(); }
    double topOf(const QWidget* c) const { return m_twips.at(c).top(); }
    double widthOf(const QWidget* c) const { return m_twips.at(c).width(); }
    double heightOf(const QWidget* c) const { return m_twips.at(c).height(); }
    void setLeft(QWidget* c, double v);
    void setTop(QWidget* c, double v);
    void setWidth(QWidget* c, double v);
    void setHeight(QWidget* c, double v);
    template <size_t N> void chain(const std::array<PictureButton*, N>& bar, double left);
    template <size_t N>
    void connectBar(const std::array<PictureButton*, N>& bar, void (MainWindow::*handler)(int));
    void connectHandlers();
    void createShortcuts();
    void acceptDrops();
    // A drag over the canvas or a drop on it; false for every other event.
    bool canvasDragEvent(QObject* watched, QEvent* event);

    void hideOptionBars();
    void selectTool(std::uint8_t tool);
    void runMainCommand(MainCommand command);
    void stepLineWidth();
    void clearPage();
    void askToQuit();
    void selectTextTool();
    void fillFontList();
    void showHelpPicture();

    // The text tool's part of a release: the prompt next to the press point
    // and, when text is pending, the text written at the pointer.
    void placeText();

    Surface& currentPage() { return m_pages.at(m_state.currentPage); }
    // Hands the current page, as it now stands, to the keeper.
    void keepPage();
    void keepPages(const std::vector<int>& pages);
    void restoreDrawing(StaleDrawing& drawing);
    void quitConfirmed();

    std::array<PictureButton*, 20> m_mainBar{};
    // The history slots of each page, ring i for page i.
    std::array<HistoryRing, kPageCount> m_historyRings;
    QSizeF m_screenTwips;
    QSizeF m_layoutScreen;
    double m_twipsPerPixel;
    FramePacer::Pacing m_pacing;
    EditorState m_state;
    Surface m_canvas;
    std::array<Surface, kPageCount> m_pages;
    std::array<QRectF, 10> m_pageBoxes;
    Surface m_paletteStrip;
    OptionBars m_optionBars;
    bool m_optionBarsMade = false;
    CanvasView* m_canvasView = nullptr;
    CanvasView* m_paletteView = nullptr;
    QLineEdit* m_textEntry = nullptr;
    bool m_firstPainted = false;
    // Reads the screen's fonts while the controls are made.
    std::future<void> m_fontsRead;
    std::unordered_map<const QWidget*, QRectF> m_twips;
    std::unique_ptr<PlatformServices> m_ownPlatform;
    PlatformServices* m_platform = nullptr;
    bool m_quitConfirmed = false;
    // Files were named on the command line; their messages wait for the
    // window to show.
    bool m_startedWithFiles = false;
    QStringList m_startMessages;
    std::unique_ptr<DrawingKeeper> m_keeper;
    // Draws the start-up art on another thread while the controls are made.
    std::optional<StartupArtWorker> m_startupArt;
};
