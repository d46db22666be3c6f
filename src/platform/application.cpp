#include "application.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

#include "window.h"

namespace platform {

namespace {
App* g_current = nullptr;
}

App::App(const QString& program_folder)
    : folder_(QDir::cleanPath(program_folder)), previous_(g_current) {
    g_current = this;
}

App::~App() {
    // Controls go first, while every window object still exists for their handlers.
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) (*it)->discard_controls();
    while (!holders_.empty()) holders_.pop_back();
    if (g_current == this) g_current = previous_;
}

App& App::current() {
    Q_ASSERT(g_current);
    return *g_current;
}

bool App::exists() { return g_current != nullptr; }

QString App::path(const QString& file_name) const { return folder_ + QLatin1Char('/') + file_name; }

void App::register_object(std::type_index type, void* object, std::unique_ptr<HolderBase> holder,
                          Window* window) {
    objects_.emplace(type, object);
    holders_.push_back(std::move(holder));
    if (window) windows_.push_back(window);
}

std::vector<Window*> App::loaded_windows() const {
    std::vector<Window*> result;
    for (Window* w : windows_)
        if (w->is_loaded()) result.push_back(w);
    return result;
}

void App::end_program() {
    ended_ = true;
    if (quit_on_end_) QCoreApplication::quit();
}

bool App::acquire_single_instance() {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    const QByteArray hash =
        QCryptographicHash::hash(folder_.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    auto lock = std::make_unique<QLockFile>(dir + "/ovra-" + QString::fromLatin1(hash) + ".lock");
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) return false;
    instance_lock_ = std::move(lock);
    return true;
}

}  // namespace platform
