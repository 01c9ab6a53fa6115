#include "shell/workspace/customerprofile.h"

int KvGetCustomerProfile(bool standAlone, KvCustomerProfileQuery query)
{
    if (standAlone || query == nullptr)
        return 0;
    short buffer[kKvCustomerProfileWords] = {};
    if (query(1, buffer) != 0)
        return 0;
    return buffer[0];
}
