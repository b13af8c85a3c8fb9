#pragma once
// The class library's exceptions: every failure a handler does not catch
// reaches the application object, which shows Message and keeps running.

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message)
        : Message(std::move(message))
    {
    }
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

#define CORVANA_EXCEPTION(Name, Base)  \
    class Name : public Base {         \
    public:                            \
        using Base::Base;              \
    };

CORVANA_EXCEPTION(EStreamError, Exception)
CORVANA_EXCEPTION(EFOpenError, EStreamError)
CORVANA_EXCEPTION(EFCreateError, EStreamError)
CORVANA_EXCEPTION(EReadError, EStreamError)
CORVANA_EXCEPTION(EWriteError, EStreamError)
CORVANA_EXCEPTION(ERegistryException, Exception)
CORVANA_EXCEPTION(EConvertError, Exception)
CORVANA_EXCEPTION(EListError, Exception)
CORVANA_EXCEPTION(EInvalidOperation, Exception)
CORVANA_EXCEPTION(EInvalidGraphic, Exception)
CORVANA_EXCEPTION(EOutOfResources, Exception)
CORVANA_EXCEPTION(EInOutError, Exception)

// The class library's message texts.
namespace Msg {
inline std::string FOpenError(const std::string& file) { return "Cannot open file " + file; }
inline std::string FCreateError(const std::string& file) { return "Cannot create file " + file; }
inline std::string ReadError() { return "Stream read error"; }
inline std::string WriteError() { return "Stream write error"; }
inline std::string RegSetDataFailed(const std::string& value) { return "Failed to set data for '" + value + "'"; }
inline std::string RegGetDataFailed(const std::string& value) { return "Failed to get data for '" + value + "'"; }
inline std::string InvalidRegType(const std::string& value) { return "Invalid data type for '" + value + "'"; }
inline std::string ListIndexError(int index) { return "List index out of bounds (" + std::to_string(index) + ")"; }
inline std::string InvalidInteger(const std::string& text) { return "'" + text + "' is not a valid integer value"; }
}

// A component looked up by name that is not there, or not of the class asked for.
CORVANA_EXCEPTION(EComponentError, Exception)
