#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

namespace platform {

// The three registry calls the program makes, over a store of keys. This platform has no system
// registry, so the program's store stays empty and every key answers "not found"; tests put
// values into it to drive the readers.
struct Registry {
    struct Value {
        long type = 0;
        QByteArray data;
    };
    // Values by "root\key" and value name, both without regard to case.
    QHash<QString, QHash<QString, Value>> keys;
    // Open handles: index + 1 is the handle; an empty slot is a closed one.
    std::vector<QString> open;

    void set_value(long root, const QString& key, const QString& name, long type,
                   const QByteArray& data);
};

namespace registry {

constexpr long HKEY_LOCAL_MACHINE = 0x80000002L;
constexpr long KEY_ALL_ACCESS = 0x2003FL;
constexpr long ERROR_SUCCESS = 0;
constexpr long ERROR_FILE_NOT_FOUND = 2;
constexpr long ERROR_INVALID_HANDLE = 6;
constexpr long ERROR_MORE_DATA = 234;
constexpr long REG_SZ = 1;
constexpr long REG_DWORD = 4;

long RegOpenKeyEx(long root, const QString& sub_key, long options, long sam_desired, long& result);
// Fills data from its start with the value's bytes; size is the buffer's size on entry and the
// number of bytes written on return.
long RegQueryValueEx(long key, const QString& value_name, long& type, QByteArray& data, long& size);
long RegCloseKey(long key);

}  // namespace registry
}  // namespace platform
