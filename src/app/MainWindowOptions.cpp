#include "app/MainWindow.h"

void MainWindow::widthClicked(int)
{
}
void MainWindow::fillPatternClicked(int)
{
}
void MainWindow::eraserSizeClicked(int)
{
}
void MainWindow::paletteClicked(int, int, float, float)
{
}
