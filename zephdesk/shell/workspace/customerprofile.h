// The customer profile value that password-length conditions compare with: the minimum
// password length of the customer's security profile on the server.
#pragma once

// The server link's profile query: (customer number, 127-word buffer) -> 0 on success.
using KvCustomerProfileQuery = int (*)(int customerId, short* buffer);

inline constexpr int kKvCustomerProfileWords = 127;

// 0 in stand-alone work (the query is not made) and when the query fails; else the
// buffer's first word.
int KvGetCustomerProfile(bool standAlone, KvCustomerProfileQuery query);
