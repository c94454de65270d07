#pragma once
// The stored property set of a display element: the values it keeps between
// runs, read and written by name through a bag. A set derives from
// PropertySet<Set> and describes its properties once, as a table of fields
// (`static const std::vector<PropertyField<Set>>& fields()`); names, get, set,
// write and read follow from the table alike for every element.
//
// A value that counts as its default is not written; an entry that is missing
// or unreadable reads as the default. Values are kept exactly as stored: the
// range rules of the elements' setters do not apply here.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>
#include <functional>
#include <limits>
#include <vector>

namespace lumena {

template <typename Set> struct PropertyField {
    QString name;
    std::function<QVariant(const Set&)> get;
    // False, and nothing changes, for a value of the wrong kind.
    std::function<bool(Set&, const QVariant&)> set;
    // Whether a value counts as the default; when empty, a value equal to
    // the default set's value does.
    std::function<bool(const QVariant&)> isDefault = {};
};

// An integer property: a number from `lo` to `hi` is stored as T (a number
// below T's range keeps its 32-bit pattern); anything else is refused.
template <typename Set, typename T>
PropertyField<Set> intField(const char* name, T Set::*member,
                            qlonglong lo = std::numeric_limits<T>::min(),
                            qlonglong hi = std::numeric_limits<T>::max())
{
    return {QString::fromLatin1(name), [member](const Set& s) { return QVariant(s.*member); },
            [member, lo, hi](Set& s, const QVariant& v) {
                bool ok = false;
                const qlonglong n = v.toLongLong(&ok);
                if (!ok || n < lo || n > hi)
                    return false;
                s.*member = static_cast<T>(n);
                return true;
            }};
}

// A boolean property: anything that converts to a boolean is taken.
template <typename Set> PropertyField<Set> boolField(const char* name, bool Set::*member)
{
    return {QString::fromLatin1(name), [member](const Set& s) { return QVariant(s.*member); },
            [member](Set& s, const QVariant& v) {
                if (!v.canConvert<bool>())
                    return false;
                s.*member = v.toBool();
                return true;
            }};
}

// A property that keeps whatever value it is given, with its own default rule.
template <typename Set>
PropertyField<Set> variantField(const char* name, QVariant Set::*member,
                                std::function<bool(const QVariant&)> isDefault)
{
    return {QString::fromLatin1(name), [member](const Set& s) { return s.*member; },
            [member](Set& s, const QVariant& v) {
                s.*member = v;
                return true;
            },
            std::move(isDefault)};
}

template <typename Set> class PropertySet {
public:
    // The stored names, in the order they are written.
    static QStringList names()
    {
        QStringList n;
        for (const PropertyField<Set>& f : Set::fields())
            n << f.name;
        return n;
    }

    // One property by its stored name; an invalid QVariant for an unknown name.
    QVariant get(QStringView name) const
    {
        const PropertyField<Set>* f = find(name);
        return f ? f->get(self()) : QVariant();
    }

    // Sets one property by its stored name. False (nothing changed) for an
    // unknown name or a value the property cannot take.
    bool set(QStringView name, const QVariant& value)
    {
        const PropertyField<Set>* f = find(name);
        return f && f->set(static_cast<Set&>(*this), value);
    }

    // The properties that differ from their defaults.
    QVariantMap write() const
    {
        const Set defaults;
        QVariantMap bag;
        for (const PropertyField<Set>& f : Set::fields()) {
            const QVariant v = f.get(self());
            if (f.isDefault ? !f.isDefault(v) : v != f.get(defaults))
                bag.insert(f.name, v);
        }
        return bag;
    }

    // Every property from `bag`; missing or unreadable ones take their defaults.
    static Set read(const QVariantMap& bag)
    {
        Set s;
        for (const PropertyField<Set>& f : Set::fields()) {
            const auto it = bag.constFind(f.name);
            if (it != bag.constEnd())
                f.set(s, *it);
        }
        return s;
    }

    bool operator==(const PropertySet&) const = default;

private:
    const Set& self() const { return static_cast<const Set&>(*this); }

    static const PropertyField<Set>* find(QStringView name)
    {
        for (const PropertyField<Set>& f : Set::fields())
            if (f.name == name)
                return &f;
        return nullptr;
    }
};

} // namespace lumena
