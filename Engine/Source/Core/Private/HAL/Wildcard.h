// '*' and '?' matching of file names, case-insensitive for ASCII as the engine's file searches are.
#pragma once

#include <string>

namespace UE::Core::Private
{
	inline char16_t FoldCase(char16_t Char)
	{
		return (Char >= u'A' && Char <= u'Z') ? char16_t(Char - u'A' + u'a') : Char;
	}

	inline bool MatchesWildcard(const std::u16string& Name, const std::u16string& Pattern)
	{
		size_t N = 0;
		size_t P = 0;
		size_t StarP = std::u16string::npos;
		size_t StarN = 0;
		while (N < Name.size())
		{
			if (P < Pattern.size() && (Pattern[P] == u'?' || FoldCase(Pattern[P]) == FoldCase(Name[N])))
			{
				++N;
				++P;
			}
			else if (P < Pattern.size() && Pattern[P] == u'*')
			{
				StarP = P++;
				StarN = N;
			}
			else if (StarP != std::u16string::npos)
			{
				P = StarP + 1;
				N = ++StarN;
			}
			else
			{
				return false;
			}
		}
		while (P < Pattern.size() && Pattern[P] == u'*')
		{
			++P;
		}
		return P == Pattern.size();
	}
}
