// Drops memory of its own twice: from main, and from a slot that
// QCoreApplication::exec runs, so Qt's event delivery is on the stack of the
// second lot. Under AddressSanitizer the leak check must report both; a
// suppression that matches main or a Qt frame would hide the program's leaks.

#include <QCoreApplication>
#include <QTimer>

namespace {

// A store through it keeps each allocation from being optimised away.
char *volatile lastBlock = nullptr;

// Never inlined, so its name is a frame of every lost block's stack. The
// blocks are independent: a stale copy of one pointer in a register or stack
// slot keeps only that one reachable.
__attribute__((noinline)) void dropOwnedBlocks()
{
    for (int i = 0; i < 16; ++i) {
        lastBlock = new char[48];
        lastBlock = nullptr;
    }
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    dropOwnedBlocks();
    QTimer::singleShot(0, &app, [&app] {
        dropOwnedBlocks();
        app.quit();
    });
    return app.exec();
}
