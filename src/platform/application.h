#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "msgbox.h"

namespace platform {

class Window;

// The whole program state of one run: every window instance, every module's variables, the
// program folder and the seams tests answer through. Destroying it throws the run away.
class App {
public:
    explicit App(const QString& program_folder);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    static App& current();
    static bool exists();

    const QString& folder() const { return folder_; }
    // The program folder, a separator and the file name.
    QString path(const QString& file_name) const;

    // The one instance of a window or module-state type, created on first use.
    template <class T>
    T& get() {
        auto it = objects_.find(std::type_index(typeid(T)));
        if (it != objects_.end()) return *static_cast<T*>(it->second);
        auto holder = std::make_unique<Holder<T>>();
        T* object = &holder->object;
        register_object(std::type_index(typeid(T)), object, std::move(holder), as_window(object));
        return *object;
    }

    // Every window loaded at the moment, in creation order.
    std::vector<Window*> loaded_windows() const;

    // Tests answer message boxes and modal windows through these; empty means the real thing.
    using MsgBoxHook = std::function<int(const MsgBoxCall&)>;
    using ModalHook = std::function<void(Window&)>;
    void set_msgbox_hook(MsgBoxHook hook) { msgbox_hook_ = std::move(hook); }
    const MsgBoxHook& msgbox_hook() const { return msgbox_hook_; }
    void set_modal_hook(ModalHook hook) { modal_hook_ = std::move(hook); }
    const ModalHook& modal_hook() const { return modal_hook_; }

    // Ends the program: quits the event loop (tests only see ended() turn true).
    void end_program();
    bool ended() const { return ended_; }
    void set_quit_on_end(bool quit) { quit_on_end_ = quit; }

    // True when no other copy of the program runs on this program folder; holds the claim
    // (a lock on the folder's ovra.lock) for the rest of the run.
    bool acquire_single_instance();

private:
    struct HolderBase {
        virtual ~HolderBase() = default;
    };
    template <class T>
    struct Holder : HolderBase {
        T object;
    };
    template <class T>
    static Window* as_window(T* object) {
        if constexpr (std::is_base_of_v<Window, T>) {
            return object;
        } else {
            return nullptr;
        }
    }
    void register_object(std::type_index type, void* object, std::unique_ptr<HolderBase> holder,
                         Window* window);

    QString folder_;
    std::unordered_map<std::type_index, void*> objects_;
    std::vector<std::unique_ptr<HolderBase>> holders_;
    std::vector<Window*> windows_;
    MsgBoxHook msgbox_hook_;
    ModalHook modal_hook_;
    bool ended_ = false;
    bool quit_on_end_ = true;
    int instance_lock_ = -1;  // the locked ovra.lock while this run holds it
    App* previous_ = nullptr;
};

// The one instance of a window (or module state) of the current run.
template <class T>
T& form() {
    return App::current().get<T>();
}

}  // namespace platform
