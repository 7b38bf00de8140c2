# SPDX-License-Identifier: MIT
# median(list): the median of a space-separated list of numbers, for the measuring
# scripts' summaries (awk -f scripts/lib/median.awk -f their own program).
function median(list,   n, i, j, t, a) {
  n = split(list, a, " ")
  for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
  return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
