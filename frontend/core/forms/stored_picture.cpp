// Pictures decoded with OleLoadPicture.
#include "stored_picture.h"

#include <ocidl.h>
#include <olectl.h>

#include <cstring>

namespace forms {
namespace {

// Releases a COM interface at scope end.
template <class T>
struct ComReference {
    T* pointer = nullptr;
    ~ComReference() {
        if (pointer) pointer->Release();
    }
};

}  // namespace

StoredPicture::StoredPicture(HBITMAP bitmap) : bitmap_(bitmap) {
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) {
        width_ = info.bmWidth;
        height_ = info.bmHeight;
    }
}

Picture decodePicture(const void* data, size_t size) {
    if (!data || size == 0) return nullptr;
    // The stream takes the memory block over and frees it with itself.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!block) return nullptr;
    void* copy = GlobalLock(block);
    if (!copy) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(copy, data, size);
    GlobalUnlock(block);
    ComReference<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(block, TRUE, &stream.pointer))) {
        GlobalFree(block);
        return nullptr;
    }
    ComReference<IPicture> decoded;
    if (FAILED(OleLoadPicture(stream.pointer, static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&decoded.pointer)))) {
        return nullptr;
    }
    OLE_HANDLE handle = 0;
    short type = PICTYPE_UNINITIALIZED;
    if (FAILED(decoded.pointer->get_Type(&type)) || type != PICTYPE_BITMAP ||
        FAILED(decoded.pointer->get_Handle(&handle))) {
        return nullptr;
    }
    // Our own copy, so that the picture outlives the decoder's object.
    HBITMAP own = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle)),
                                                 IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!own) return nullptr;
    return std::make_shared<const StoredPicture>(own);
}

Picture loadPictureResource(HINSTANCE instance, int id) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!found) return nullptr;
    HGLOBAL loaded = LoadResource(instance, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return decodePicture(bytes, SizeofResource(instance, found));
}

Picture loadBitmapResource(HINSTANCE instance, int id) {
    auto* bitmap =
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap) return nullptr;
    return std::make_shared<const StoredPicture>(bitmap);
}

}  // namespace forms
