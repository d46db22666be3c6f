#include "application.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>

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
    if (instance_lock_ >= 0) ::close(instance_lock_);
}

App& App::current() {
    Q_ASSERT(g_current);
    return *g_current;
}

bool App::exists() {
    return g_current != nullptr;
}

QString App::path(const QString& file_name) const {
    return folder_ + QLatin1Char('/') + file_name;
}

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
    // The lock sits beside the address book, so every copy started on this folder sees it
    // whatever its environment. The system drops it when its holder ends, even by kill -9, so a
    // stale lock never blocks a start; the file itself stays, as deleting it could let two
    // copies lock two different files.
    const QByteArray name = QFile::encodeName(path(QStringLiteral("ovra.lock")));
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    // A folder where no lock can be made can take no copy's changes either.
    if (fd < 0) return true;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    instance_lock_ = fd;
    return true;
}

}  // namespace platform
