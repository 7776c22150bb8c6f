#include "PropertyBag.h"

namespace tk {

void PropertyBag::writeProperty(const QString& name, const QVariant& value, const QVariant& defaultValue)
{
    std::erase_if(values_, [&](const auto& kv) { return kv.first == name; });
    if (value == defaultValue)
        return;
    values_.emplace_back(name, value);
}

QVariant PropertyBag::readProperty(const QString& name, const QVariant& defaultValue) const
{
    for (const auto& [key, value] : values_)
        if (key == name)
            return value;
    return defaultValue;
}

QStringList PropertyBag::names() const
{
    QStringList out;
    for (const auto& kv : values_)
        out << kv.first;
    return out;
}

} // namespace tk
