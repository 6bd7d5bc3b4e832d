// The hidapi C functions over the emulated mouse.
#include "tests/fakehid/FakeMouse.h"

#include <hidapi.h>

#include <cwchar>

namespace {
FakeMouse &mouse()
{
    return FakeMouse::instance();
}

int emptyString(hid_device *device, wchar_t *string, size_t maxlen)
{
    if (!device || !string || maxlen == 0)
        return -1;
    string[0] = L'\0';
    return 0;
}
} // namespace

extern "C" {

int hid_init(void)
{
    return mouse().hidInit();
}

int hid_exit(void)
{
    return mouse().hidExit();
}

struct hid_device_info *hid_enumerate(unsigned short vendor_id, unsigned short product_id)
{
    return mouse().hidEnumerate(vendor_id, product_id);
}

void hid_free_enumeration(struct hid_device_info *devs)
{
    FakeMouse::hidFreeEnumeration(devs);
}

hid_device *hid_open(unsigned short vendor_id, unsigned short product_id, const wchar_t *)
{
    return mouse().hidOpen(vendor_id, product_id);
}

hid_device *hid_open_path(const char *path)
{
    return mouse().hidOpenPath(path);
}

void hid_close(hid_device *dev)
{
    mouse().hidClose(dev);
}

int hid_write(hid_device *dev, const unsigned char *data, size_t length)
{
    return mouse().hidWrite(dev, data, length);
}

int hid_read_timeout(hid_device *dev, unsigned char *data, size_t length, int milliseconds)
{
    return mouse().hidRead(dev, data, length, milliseconds);
}

int hid_read(hid_device *dev, unsigned char *data, size_t length)
{
    return mouse().hidRead(dev, data, length, -1);
}

int hid_set_nonblocking(hid_device *dev, int nonblock)
{
    return mouse().hidSetNonblocking(dev, nonblock);
}

int hid_send_feature_report(hid_device *dev, const unsigned char *data, size_t length)
{
    return mouse().hidSendFeatureReport(dev, data, length);
}

int hid_get_feature_report(hid_device *dev, unsigned char *data, size_t length)
{
    return mouse().hidGetFeatureReport(dev, data, length);
}

int hid_get_input_report(hid_device *, unsigned char *, size_t)
{
    return -1;
}

int hid_get_manufacturer_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return emptyString(dev, string, maxlen);
}

int hid_get_product_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return emptyString(dev, string, maxlen);
}

int hid_get_serial_number_string(hid_device *dev, wchar_t *string, size_t maxlen)
{
    return emptyString(dev, string, maxlen);
}

int hid_get_indexed_string(hid_device *dev, int, wchar_t *string, size_t maxlen)
{
    return emptyString(dev, string, maxlen);
}

const wchar_t *hid_error(hid_device *)
{
    return L"emulated mouse: no such device or operation failed";
}

const struct hid_api_version *hid_version(void)
{
    static const hid_api_version version = {HID_API_VERSION_MAJOR, HID_API_VERSION_MINOR,
                                            HID_API_VERSION_PATCH};
    return &version;
}

const char *hid_version_str(void)
{
    return HID_API_VERSION_STR;
}
}
