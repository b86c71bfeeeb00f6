#pragma once

/** Output on one line, without white space between tokens. */
template<class CharType>
struct TCondensedJsonPrintPolicy
{
	static constexpr bool bPretty = false;
};
