#include "registry.h"

#include "application.h"

namespace platform {

namespace {

QString key_path(long root, const QString& key) {
    return (QString::number(root, 16) + QLatin1Char('\\') + key).toLower();
}

Registry& store() {
    return form<Registry>();
}

const QString* open_key(long handle) {
    const auto& open = store().open;
    if (handle <= 0 || std::size_t(handle) > open.size() || open[handle - 1].isEmpty())
        return nullptr;
    return &open[handle - 1];
}

}  // namespace

void Registry::set_value(long root, const QString& key, const QString& name, long type,
                         const QByteArray& data) {
    keys[key_path(root, key)][name.toLower()] = {type, data};
}

namespace registry {

long RegOpenKeyEx(long root, const QString& sub_key, long, long, long& result) {
    result = 0;
    const QString path = key_path(root, sub_key);
    if (!store().keys.contains(path)) return ERROR_FILE_NOT_FOUND;
    store().open.push_back(path);
    result = long(store().open.size());
    return ERROR_SUCCESS;
}

long RegQueryValueEx(long key, const QString& value_name, long& type, QByteArray& data,
                     long& size) {
    const QString* path = open_key(key);
    if (!path) return ERROR_INVALID_HANDLE;
    const auto& values = store().keys[*path];
    const auto it = values.constFind(value_name.toLower());
    if (it == values.constEnd()) return ERROR_FILE_NOT_FOUND;
    type = it->type;
    if (it->data.size() > size || it->data.size() > data.size()) {
        size = long(it->data.size());
        return ERROR_MORE_DATA;
    }
    data.replace(0, it->data.size(), it->data);
    size = long(it->data.size());
    return ERROR_SUCCESS;
}

long RegCloseKey(long key) {
    if (!open_key(key)) return ERROR_INVALID_HANDLE;
    store().open[key - 1].clear();
    return ERROR_SUCCESS;
}

}  // namespace registry
}  // namespace platform
