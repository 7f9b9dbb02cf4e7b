#pragma once

#include "AppError.h"

/// A failure of a remote method while it runs on the server. Its text goes back to the
/// client as the call's error text; the connection stays usable.
class ServerError : public AppError
{
public:
    using AppError::AppError;
};
