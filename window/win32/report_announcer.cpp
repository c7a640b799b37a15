// SPDX-FileCopyrightText: 2026 The Vazrazhdane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/win32/report_announcer.h"

#include <objbase.h>
#include <oleacc.h>

#include "window/win32/control_ids.h"
#include "window/win32/utf16.h"

namespace window::win32 {
namespace {

// Not in MinGW-w64's headers for Windows 7, which the program still runs on.
constexpr DWORD LiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr GUID LiveSetting = {
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID AccPropServicesClass = {
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID AccPropServicesInterface = {
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr int Polite = 1;

// COM is loaded when first needed, not with the program: at start it would delay the window.
template <typename Function>
Function Ole32(const char* name) {
    static const HMODULE ole32 = LoadLibraryW(L"ole32.dll");
    const FARPROC found = ole32 != nullptr ? GetProcAddress(ole32, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

ReportAnnouncer::ReportAnnouncer(HWND window, int id) : window_(window) {
    // No size: on the screen nowhere, yet shown, so that readers take its events.
    static_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0, 0, 0,
                              window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                              GetModuleHandleW(nullptr), nullptr);
}

void ReportAnnouncer::MarkLiveRegion() {
    marked_ = true;
    const auto initialize = Ole32<decltype(&CoInitializeEx)>("CoInitializeEx");
    const auto create = Ole32<decltype(&CoCreateInstance)>("CoCreateInstance");
    if (initialize == nullptr || create == nullptr) return;
    com_ = SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    if (com_ && SUCCEEDED(create(AccPropServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                 AccPropServicesInterface, reinterpret_cast<void**>(&services_)))) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = Polite;
        services_->SetHwndProp(static_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, LiveSetting,
                               polite);  // Wine answers E_NOTIMPL
    }
}

ReportAnnouncer::~ReportAnnouncer() {
    if (services_ != nullptr) services_->Release();
    if (com_) Ole32<decltype(&CoUninitialize)>("CoUninitialize")();
}

void ReportAnnouncer::Offer(const std::string& report) {
    if (announcement_.Offer(report)) PostMessageW(window_, AnnounceMessage, 0, 0);
}

void ReportAnnouncer::Speak() {
    const auto sentence = announcement_.Take();
    if (!sentence || static_ == nullptr) return;
    if (!marked_) MarkLiveRegion();
    SetWindowTextW(static_, Widen(*sentence).c_str());
    NotifyWinEvent(LiveRegionChanged, static_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace window::win32
