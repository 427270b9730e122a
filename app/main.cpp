#include <QApplication>
#include <QLabel>

// The desktop program. For now a plain window; the keypad comes with the main frame.
int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Tallyx");
    QLabel window("Tallyx");
    window.setAlignment(Qt::AlignCenter);
    window.setWindowTitle("Tallyx");
    window.resize(480, 640);
    window.show();
    return QApplication::exec();
}
