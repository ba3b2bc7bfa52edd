#include "sources/ScanDevice.h"

#include <QByteArray>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

// A number as the option's word holds it; false when it does not fit.
bool encodeNumber(SANE_Value_Type type, double number, SANE_Word &word)
{
    switch (type) {
    case SANE_TYPE_BOOL:
        word = number != 0 ? SANE_TRUE : SANE_FALSE;
        return true;
    case SANE_TYPE_INT:
        if (!(std::abs(number) < 2147483647.0))
            return false;
        word = SANE_Word(std::lround(number));
        return true;
    default: // fixed point: 16 bits of integer part
        if (!(std::abs(number) < 32767.0))
            return false;
        word = SANE_FIX(number);
        return true;
    }
}

} // namespace

QString ScanStatusText(SANE_Status status)
{
    return QString::fromUtf8(sane_strstatus(status));
}

ScanDevice::ScanDevice(const QString &name)
{
    m_openStatus = sane_open(name.toUtf8().constData(), &m_handle);
    if (m_openStatus != SANE_STATUS_GOOD)
        m_handle = nullptr;
}

ScanDevice::~ScanDevice()
{
    if (m_handle)
        sane_close(m_handle);
}

SANE_Status ScanDevice::setOption(const char *name, const QVariant &value)
{
    if (!m_handle)
        return SANE_STATUS_INVAL;
    for (SANE_Int index = 1;; ++index) {
        const SANE_Option_Descriptor *option = sane_get_option_descriptor(m_handle, index);
        if (!option)
            return SANE_STATUS_UNSUPPORTED;
        if (!option->name || std::strcmp(option->name, name) != 0)
            continue;
        if (!SANE_OPTION_IS_ACTIVE(option->cap) || !SANE_OPTION_IS_SETTABLE(option->cap)
            || option->size <= 0)
            return SANE_STATUS_UNSUPPORTED;

        // Room for the whole value as the device declares it, whatever we fill in.
        std::vector<SANE_Word> storage((size_t(option->size) + sizeof(SANE_Word) - 1) / sizeof(SANE_Word), 0);
        switch (option->type) {
        case SANE_TYPE_BOOL:
        case SANE_TYPE_INT:
        case SANE_TYPE_FIXED:
            if (option->size != sizeof(SANE_Word))
                return SANE_STATUS_UNSUPPORTED;
            if (!encodeNumber(option->type, value.toDouble(), storage[0]))
                return SANE_STATUS_INVAL;
            break;
        case SANE_TYPE_STRING: {
            const QByteArray text = value.toString().toUtf8();
            if (text.size() >= option->size)
                return SANE_STATUS_INVAL;
            std::memcpy(storage.data(), text.constData(), size_t(text.size()));
            break;
        }
        default:
            return SANE_STATUS_UNSUPPORTED;
        }
        SANE_Int info = 0;
        return sane_control_option(m_handle, index, SANE_ACTION_SET_VALUE, storage.data(), &info);
    }
}

SANE_Status ScanDevice::start()
{
    return m_handle ? sane_start(m_handle) : SANE_STATUS_INVAL;
}

SANE_Status ScanDevice::parameters(SANE_Parameters &parameters)
{
    return m_handle ? sane_get_parameters(m_handle, &parameters) : SANE_STATUS_INVAL;
}

SANE_Status ScanDevice::read(SANE_Byte *buffer, SANE_Int maxLength, SANE_Int &length)
{
    length = 0;
    return m_handle ? sane_read(m_handle, buffer, maxLength, &length) : SANE_STATUS_INVAL;
}

bool ScanDevice::selectFd(SANE_Int &fd)
{
    return m_handle && sane_get_select_fd(m_handle, &fd) == SANE_STATUS_GOOD;
}

void ScanDevice::cancel()
{
    if (m_handle)
        sane_cancel(m_handle);
}
