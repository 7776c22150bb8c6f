#pragma once
#include <QString>
#include <QVariant>
#include <utility>
#include <vector>

namespace tk {

// Named values a control saves with its window's layout. A value equal to
// its default is not stored, and reading a missing name gives the default.
class PropertyBag {
public:
    void writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue);
    QVariant readProperty(const QString& name, const QVariant& defaultValue) const;

    // Names in the order they were written.
    QStringList names() const;

private:
    std::vector<std::pair<QString, QVariant>> values_;
};

} // namespace tk
