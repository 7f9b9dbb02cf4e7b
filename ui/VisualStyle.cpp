#include "VisualStyle.h"

#include <QApplication>
#include <QFile>
#include <QStyleFactory>

QString VisualStyle::styleSheet(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return {};
    QFile file(QStringLiteral(":/ui/styles/%1.qss").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool VisualStyle::apply(const QString& name)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    const QString sheet = styleSheet(name);
    if (!app || sheet.isEmpty())
        return false;
    // The sheet is drawn over Fusion so that it looks the same on every platform.
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    app->setStyleSheet(sheet);
    return true;
}
