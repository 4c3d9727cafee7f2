#pragma once

#include <QByteArray>
#include <QIODevice>

// A device that gives its bytes one at a time: no line is ever whole in a reader's buffer, so
// every record is read field by field.
class UmBytePorVez final : public QIODevice
{
public:
    explicit UmBytePorVez(QByteArray bytes) : bytes_(std::move(bytes)) { open(ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* destino, qint64 maximo) override
    {
        if (lidos_ == bytes_.size() || maximo <= 0)
            return 0;
        *destino = bytes_[lidos_++];
        return 1;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray bytes_;
    qsizetype lidos_ = 0;
};
