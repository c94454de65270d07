// Lumena: the fare display board of a Japanese route bus.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumena"));
    QLabel placeholder(QStringLiteral("Lumena"));
    placeholder.show();
    return QApplication::exec();
}
