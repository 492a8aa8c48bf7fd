#include "app/MainWindow.h"

void MainWindow::gridSizeClicked(int)
{
}
void MainWindow::symmetryClicked(int)
{
}
void MainWindow::polygonMethodClicked(int)
{
}
void MainWindow::curveModeClicked(int)
{
}
