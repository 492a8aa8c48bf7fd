#include "app/MainWindow.h"

void MainWindow::fontSizeChosen()
{
}
void MainWindow::fontNameChosen()
{
}
void MainWindow::fontStyleClicked(int)
{
}
void MainWindow::textEdited()
{
}
void MainWindow::placeText()
{
}
