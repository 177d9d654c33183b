// The background-task wrapper: Async(islem).Await(devam) runs `islem` on a worker
// thread and then `devam` on the GUI thread. A task that ends by an error still gets
// its continuation; the error's message is then shown by the GUI's default error
// display. Every list load and the login stages use it.
//
//     Async([=] { ... server call on a clone ... }).Await([=] { ... fill the grid ... }, this);
//
// The continuation runs only while `baglam` (the window it belongs to) exists.
#pragma once

#include <QObject>

#include <functional>

namespace dorvanto {

class AsyncGorev {
public:
    explicit AsyncGorev(std::function<void()> islem) : m_islem(std::move(islem)) {}
    // Starts the task; call on the GUI thread.
    void Await(std::function<void()> devam, QObject *baglam = nullptr);

private:
    std::function<void()> m_islem;
};

inline AsyncGorev Async(std::function<void()> islem) { return AsyncGorev(std::move(islem)); }

// Runs f on the GUI thread; a worker thread waits until it has run (the synchronous
// call into the GUI thread). On the GUI thread f runs at once.
void GuiIpligindeCalistir(const std::function<void()> &f);

// The message of an exception in flight (ServerError, TableError, std::exception).
QString HataMetni(std::exception_ptr e);

} // namespace dorvanto
