#pragma once

#include <array>
#include <unordered_map>

#include <QImage>
#include <QRectF>
#include <QWidget>

#include "app/EditorState.h"
#include "canvas/Surface.h"
#include "pages/History.h"

class CanvasView;
class PictureButton;
class QComboBox;
class QLabel;
class QLineEdit;

// The program's one window. It owns the controls, the surfaces and the editor
// state; its handlers keep the names of the events they answer and call into
// the subsystems in the order the behaviour prescribes. Positions and sizes
// are kept in twips, as the layout computes them, and shown in pixels.
class Form1 : public QWidget
{
    Q_OBJECT

  public:
    // screenTwips is the screen's size in twips; twipsPerPixel comes from the
    // screen's logical resolution (15 at 96 dpi).
    Form1(QSizeF screenTwips, double twipsPerPixel, QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load();
    void ArrangeControls();
    void CreateHistorySlots();
    void Picture1_MouseMove(int button, int shift, float x, float y);
    void Picture1_MouseDown(int button, int shift, float x, float y);
    void Picture1_MouseUp(int button, int shift, float x, float y);
    void Command4_Click(int index);

    EditorState& state() { return m_state; }
    Surface& Picture1() { return m_picture1; }
    Surface& Picture2(int index) { return m_picture2.at(size_t(index)); }
    Surface& Picture3() { return m_picture3; }
    CanvasView* canvasView() const { return m_picture1View; }
    CanvasView* paletteView() const { return m_picture3View; }
    QLineEdit* Text1() const { return m_text1; }

    // A control's position and size in twips, as laid out.
    QRectF twipGeometry(const QWidget* control) const;
    QRectF pageGeometry(int index) const { return m_picture2Box.at(size_t(index)); }
    QSizeF layoutScreen() const { return m_layoutScreen; }

    std::array<PictureButton*, 20> Command1{};
    std::array<PictureButton*, 8> Command2{};
    std::array<PictureButton*, 4> Command3{};
    std::array<PictureButton*, 10> Command4{};
    std::array<PictureButton*, 3> Command5{};
    std::array<PictureButton*, 6> Command6{};
    std::array<PictureButton*, 14> Command7{};
    std::array<PictureButton*, 8> Command8{};
    std::array<PictureButton*, 2> Command9{};
    std::array<PictureButton*, 6> Command10{};
    QComboBox* Combo1 = nullptr;
    QComboBox* Combo2 = nullptr;
    QComboBox* Combo3 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    // The cursor picture and the help picture; holders that are never shown.
    QImage Image11;
    QImage Image12;
    // The history slots of each page: ring 0 is the holder array Image1 of
    // page 1, up to ring 9, Image10, of page 10.
    std::array<HistoryRing, 10> historyRings;

  private:
    void createControls();
    void createButtonBars();
    void createOptionBars();
    PictureButton* makeButton(double left, double top, double width, double height);
    QComboBox* makeCombo(const QString& text, double width, const QString& name);

    void place(QWidget* control, double left, double top, double width, double height);
    double Left(const QWidget* c) const { return m_twips.at(c).left(); }
    double Top(const QWidget* c) const { return m_twips.at(c).top(); }
    double Width(const QWidget* c) const { return m_twips.at(c).width(); }
    double Height(const QWidget* c) const { return m_twips.at(c).height(); }
    void setLeft(QWidget* c, double v);
    void setTop(QWidget* c, double v);
    void setWidth(QWidget* c, double v);
    void setHeight(QWidget* c, double v);
    template <size_t N> void chain(const std::array<PictureButton*, N>& bar, double left);

    Surface& currentPage() { return m_picture2.at(m_state.currentPage); }

    QSizeF m_screenTwips;
    QSizeF m_layoutScreen;
    double m_twipsPerPixel;
    EditorState m_state;
    Surface m_picture1;
    std::array<Surface, 10> m_picture2;
    std::array<QRectF, 10> m_picture2Box;
    Surface m_picture3;
    CanvasView* m_picture1View = nullptr;
    CanvasView* m_picture3View = nullptr;
    QLineEdit* m_text1 = nullptr;
    std::unordered_map<const QWidget*, QRectF> m_twips;
};
