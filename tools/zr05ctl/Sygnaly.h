#pragma once
// POSIX signals delivered as a Qt signal on the main thread (through a pipe, the only thing a
// signal handler may safely touch). The handlers are installed while the object lives.

#include <QObject>
#include <QSocketNotifier>
#include <csignal>
#include <initializer_list>
#include <memory>
#include <vector>

namespace zr05::ctl
{

class Sygnaly : public QObject
{
    Q_OBJECT
public:
    explicit Sygnaly(std::initializer_list<int> numery, QObject* parent = nullptr);
    ~Sygnaly() override;

signals:
    void odebrano(int numer);

private:
    std::unique_ptr<QSocketNotifier> m_czytnik;
    std::vector<std::pair<int, struct sigaction>> m_poprzednie;
};

} // namespace zr05::ctl
