#include <algorithm>

#include <QComboBox>
#include <QLabel>

#include "app/Form1.h"
#include "app/PictureButton.h"
#include "canvas/CanvasView.h"

// The layout fits the canvas to the screen and lines the page buttons and the
// option bars up beneath it. A screen smaller than 800 x 600 pixels' worth of
// twips would leave no room for the canvas and the option bars; the window is
// then laid out for that minimum instead, and extends past the screen's edge.

namespace {

constexpr double kMinimumScreenWidth = 12000;
constexpr double kMinimumScreenHeight = 9000;

} // namespace

template <size_t N> void Form1::chain(const std::array<PictureButton*, N>& bar, double left)
{
    setTop(bar[0], Top(Command4[0]));
    setLeft(bar[0], left);
    for (size_t i = 1; i < N; ++i) {
        setTop(bar[i], Top(Command4[0]));
        setLeft(bar[i], Left(bar[i - 1]) + Width(bar[i - 1]));
    }
}

void Form1::ArrangeControls()
{
    m_layoutScreen = QSizeF(std::max(m_screenTwips.width(), kMinimumScreenWidth),
                            std::max(m_screenTwips.height(), kMinimumScreenHeight));
    const double screenWidth = m_layoutScreen.width();
    const double screenHeight = m_layoutScreen.height();

    for (int i = 1; i <= 9; ++i) {
        // A new element of a control array copies element 0's design and starts hidden.
        Command4[size_t(i)] =
            makeButton(Left(Command4[0]), Top(Command4[0]), Width(Command4[0]), Height(Command4[0]));
        Command4[size_t(i)]->hide();
        Command4[size_t(i)]->setAccessibleName(QStringLiteral("Página %1").arg(i + 1));
        Command4[size_t(i)]->setToolTip(Command4[size_t(i)]->accessibleName());
        Command4[size_t(i)]->setText(QString::number(i + 1));
        connect(Command4[size_t(i)], &QAbstractButton::clicked, this, [this, i] { Command4_Click(i); });
        Picture2(i).setBackColor(kWhite);
    }
    Command4[0]->setBackColor(kBlue);
    connect(Command4[0], &QAbstractButton::clicked, this, [this] { Command4_Click(0); });

    QWidget* canvas = m_picture1View;
    setTop(m_picture3View, Top(Command1[0]));
    setTop(canvas, Top(m_picture3View) + Height(m_picture3View) + 20);
    setLeft(canvas, Left(Command1[1]) + Width(Command1[1]) + 75);
    setWidth(canvas, screenWidth - Left(canvas) - 75);
    setHeight(canvas, screenHeight - Top(canvas) - Height(Command4[0]) - 80);

    setTop(Command4[0], Top(canvas) + Height(canvas) + 20);
    setLeft(Command4[0], Left(canvas));
    for (size_t i = 0; i < 10; ++i) {
        m_picture2Box[i] = twipGeometry(canvas);
        m_picture2[i].resize(m_picture1.sizePx());
    }
    for (size_t i = 1; i <= 9; ++i) {
        setTop(Command4[i], Top(Command4[0]));
        setLeft(Command4[i], Left(Command4[i - 1]) + Width(Command4[i - 1]));
        Command4[i]->show();
    }

    const double x0 = Left(Command4[9]) + 1000;
    chain(Command5, x0);
    setTop(Label1, Top(Command5[0]));
    setTop(Combo1, Top(Command5[0]));
    setLeft(Label1, Left(Command5[2]) + Width(Command5[2]) + 100);
    setLeft(Combo1, Left(Label1) + Width(Label1) + 50);
    chain(Command6, x0);
    chain(Command7, x0);
    chain(Command8, Left(Command6[5]) + 400);

    for (QWidget* w : {static_cast<QWidget*>(Combo2), static_cast<QWidget*>(Combo3),
                       static_cast<QWidget*>(Command9[0]), static_cast<QWidget*>(Command9[1])})
        setTop(w, Top(Command4[0]));
    setLeft(Combo2, x0);
    setLeft(Combo3, Left(Combo2) + Width(Combo2) + 150);
    setLeft(Command9[0], Left(Combo3) + Width(Combo3) + 100);
    setLeft(Command9[1], Left(Command9[0]) + Width(Command9[0]) + 25);
    chain(Command10, x0);
}
