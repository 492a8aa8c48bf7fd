#pragma once

#include <array>
#include <memory>

#include <QWidget>

#include "app/EditorState.h"
#include "canvas/Surface.h"

class CanvasView;
class QLineEdit;

// The program's one window. It owns the controls, the surfaces and the editor
// state; its handlers keep the names of the events they answer and call into
// the subsystems in the order the behaviour prescribes.
class Form1 : public QWidget
{
    Q_OBJECT

public:
    // twipsPerPixel comes from the screen's logical resolution (15 at 96 dpi).
    explicit Form1(double twipsPerPixel, QWidget* parent = nullptr);
    ~Form1() override;

    void Form_Load();
    void Picture1_MouseMove(int button, int shift, float x, float y);

    EditorState& state() { return m_state; }
    Surface& Picture1() { return m_picture1; }
    Surface& Picture2(int index) { return m_picture2.at(size_t(index)); }
    CanvasView* canvasView() const { return m_canvasView; }
    QLineEdit* Text1() const { return m_text1; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    Surface& currentPage() { return m_picture2.at(m_state.currentPage); }

    double m_twipsPerPixel;
    EditorState m_state;
    Surface m_picture1;
    std::array<Surface, 10> m_picture2;
    CanvasView* m_canvasView = nullptr;
    QLineEdit* m_text1 = nullptr;
};
