#pragma once
// The UNO runtime of the client process: one local component context, made on
// first use and shared by every office connection of the process.

#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ustring.hxx>
#include <string>

namespace platform::office {

using rtl::OUString;

// Throws std::runtime_error when the UNO runtime cannot be bootstrapped.
css::uno::Reference<css::uno::XComponentContext> localContext();

// UTF-8 <-> UNO string.
rtl::OUString toUno(const std::string& text);
std::string fromUno(const rtl::OUString& text);

}  // namespace platform::office
