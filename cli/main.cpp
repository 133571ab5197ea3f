#include "cli/Command.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

namespace {
Command*& registry() {
    static Command* head = nullptr;
    return head;
}
} // namespace

Command::Command(const char* n, const char* u, CommandMain r) : name(n), usage(u), run(r), next(registry()) {
    registry() = this;
}

void PrintError(const QString& line) {
    const QByteArray b = line.toUtf8();
    std::fprintf(stderr, "%s\n", b.constData());
}

void PrintOut(const QString& text) {
    const QByteArray b = text.toUtf8();
    std::fwrite(b.constData(), 1, size_t(b.size()), stdout);
}

static int usage() {
    std::fprintf(stderr, "usage:\n");
    for (Command* c = registry(); c; c = c->next) std::fprintf(stderr, "  zivi-cli %s\n", c->usage);
    return 2;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    args.removeFirst();
    if (args.isEmpty()) return usage();
    const QString name = args.takeFirst();
    for (Command* c = registry(); c; c = c->next)
        if (name == QLatin1String(c->name)) return c->run(args);
    return usage();
}
